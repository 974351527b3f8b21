// CMove's arc length: the neighbour points of a segment, the measuring of every segment and the
// lookup of a travelled distance on the measured samples.
#include <algorithm>

#include "motion/Move.h"

// The path is treated as a closed loop whose last point repeats the first, so the points around
// the ends come from the other end. A two-point path has no point after its second; its last
// point stands in for it.
int CMove::NeighbourIndex(int index) const { return std::clamp(index, 0, m_nPoints - 1); }

SMoveNeighbours CMove::GetPoints(int segment, D3DXVECTOR3 CMovePoint::*vector) const
{
    const int last = m_nPoints - 1;
    int before = segment - 1, start = segment, end = segment + 1, after = segment + 2;
    if (segment == 0) {
        before = m_nPoints - 2;
    } else if (segment == last) {
        end = 1;
        after = 2;
    } else if (segment == m_nPoints - 2) {
        after = 1;
    }
    return SMoveNeighbours{m_pPoints[NeighbourIndex(before)].*vector, m_pPoints[NeighbourIndex(start)].*vector,
                           m_pPoints[NeighbourIndex(end)].*vector, m_pPoints[NeighbourIndex(after)].*vector};
}

D3DXVECTOR3 CMove::Curve(const SMoveNeighbours& points, float t) const
{
    switch (m_Mode) {
    case MOVE_STEP:
        return MoveCurve::Step(points, t);
    case MOVE_BSPLINE:
        return MoveCurve::B_Spline(points, t);
    case MOVE_HSPLINE:
        return MoveCurve::H_Spline(points, t);
    case MOVE_LINEAR:
    default:
        return MoveCurve::Linear(points, t);
    }
}

void CMove::RecomputeDistances()
{
    if (m_nPoints < 2) {
        // Nothing to measure; a point left alone measures no length.
        if (m_nPoints == 1) {
            m_pPoints[0].m_fDistance = 0.0f;
            std::fill(std::begin(m_pPoints[0].m_fSampleDistances), std::end(m_pPoints[0].m_fSampleDistances), 0.0f);
        }
        return;
    }
    float sum = 0.0f;
    D3DXVECTOR3 previous(0.0f, 0.0f, 0.0f);
    for (int i = 0; i < m_nPoints; i++) {
        const SMoveNeighbours positions = GetPoints(i, &CMovePoint::m_vPosition);
        CMovePoint& point = m_pPoints[i];
        float d = 0.0f;
        for (int j = 0; j < MOVE_SAMPLES_PER_SEGMENT; j++) {
            const D3DXVECTOR3 sample = Curve(positions, d);
            if (i > 0 || j > 0) {
                const D3DXVECTOR3 step = sample - previous;
                sum += D3DXVec3Length(&step);
            }
            previous = sample;
            point.m_fSampleDistances[j] = sum;
            point.m_fDistance = sum;
            d += 0.1f;
        }
    }
}

// The segment is the first whose end distance passes the distance, the sample the first of that
// segment to pass it; the curve parameter is taken one sample ahead, so distance 0 shows parameter
// 0.1 and a finished path rests on its last point. Spans of zero length (repeated points, step
// mode) give fraction 0 instead of a division by zero.
CMove::SLocation CMove::GetRealPosition(float distance)
{
    int segment = m_nPoints - 1;
    for (int i = 0; i < m_nPoints; i++) {
        if (m_pPoints[i].m_fDistance > distance) {
            segment = i;
            break;
        }
    }
    const float* samples = m_pPoints[segment].m_fSampleDistances;
    int sample = MOVE_SAMPLES_PER_SEGMENT - 1;
    for (int j = 0; j < MOVE_SAMPLES_PER_SEGMENT; j++) {
        if (samples[j] > distance) {
            sample = j;
            break;
        }
    }
    float lower = samples[0];
    if (sample > 0)
        lower = samples[sample - 1];
    else if (segment > 0)
        lower = m_pPoints[segment - 1].m_fDistance;
    const float upper = samples[sample];
    float fraction = upper > lower ? (distance - lower) / (upper - lower) : 0.0f;
    fraction = std::clamp(fraction, 0.0f, 1.0f);
    return SLocation{segment, (static_cast<float>(sample) + fraction) * 0.1f};
}

int CMove::GetSegment(float distance)
{
    if (m_nPoints < 2)
        return 0;
    return GetRealPosition(std::max(distance, 0.0f)).segment;
}

float CMove::GetDistance(unsigned int index)
{
    return index < static_cast<unsigned int>(m_nPoints) ? m_pPoints[index].m_fDistance : 0.0f;
}

float CMove::GetTotalDistance() { return m_nPoints >= 2 ? m_pPoints[m_nPoints - 2].m_fDistance : 0.0f; }
