// A pathedit session on the screen: the path file loaded, written only by RETURN, an unreadable file
// kept until then, and Escape ending the session.
#include <dinput.h>

#include <string>

#include "PathEditSession.h"
#include "pathedit_test_folder.h"
#include "screen_run.h"

namespace {

// A Hermite path, not looping, of two points in the file's text.
const std::string kFirstPoint =
    "0.000000\n0.000000\n0.000000\n1.000000\n0.000000\n0.000000\n0.000000\n1.000000\n0.000000\n"
    "10.000000\n0.785398\n";
const std::string kSecondPoint =
    "10.000000\n2.000000\n0.000000\n1.000000\n0.000000\n0.000000\n0.000000\n1.000000\n0.000000\n"
    "12.000000\n0.500000\n";
const std::string kTwoPoints = "2\n3\n0\n" + kFirstPoint + kSecondPoint;

class PathEditSession : public PathEditFolderTest {
protected:
    void SetUp() override
    {
        PathEditFolderTest::SetUp();
        m_options.pathFile = (m_dir / "path.txt").string();
        m_options.windowed = true;
    }

    // Runs a session for a few frames with the keys held in the frames between.
    void RunSession(const std::function<void(CPathEditSession&)>& body)
    {
        RunScreen({}, [&] {
            HoldOnlyKeys({});
            CPathEditSession session(m_options);
            session.Open();
            body(session);
            session.Close();
            HoldOnlyKeys({});
        });
    }

    void Press(CPathEditSession& session, std::initializer_list<uint8_t> keys)
    {
        HoldOnlyKeys(keys);
        session.Frame();
        HoldOnlyKeys({});
        session.Frame();
    }

    SPathEditOptions m_options;
};

TEST_F(PathEditSession, AFileIsLoadedAndWrittenBackByReturn)
{
    std::ofstream(m_options.pathFile) << kTwoPoints;
    int loaded = 0, afterF4 = 0;
    bool asCamera = false;
    std::string message, beforeReturn;
    RunSession([&](CPathEditSession& session) {
        loaded = session.Path().GetNumberPoints();
        asCamera = session.Path().GetAsCamera();
        message = CScreen::Instance().GetMessageLine(6).str();
        for (int i = 0; i < 3; ++i)
            session.Frame();
        Press(session, {DIK_F4});
        afterF4 = session.Path().GetNumberPoints();
        beforeReturn = ReadWholeFile(m_options.pathFile);
        Press(session, {DIK_RETURN});
    });
    EXPECT_EQ(loaded, 2);
    EXPECT_TRUE(asCamera);
    EXPECT_NE(message.find("2 points"), std::string::npos) << message;
    EXPECT_EQ(afterF4, 3);
    EXPECT_EQ(beforeReturn, kTwoPoints);
    // F4 closed the loop with a copy of the first point.
    EXPECT_EQ(ReadWholeFile(m_options.pathFile), "3\n3\n0\n" + kFirstPoint + kSecondPoint + kFirstPoint);
}

TEST_F(PathEditSession, AnUnreadableFileStartsEmptyAndIsWrittenOverOnlyByReturn)
{
    const std::string broken = "two\npoints\n";
    std::ofstream(m_options.pathFile) << broken;
    bool unreadable = false;
    int points = -1;
    std::string message, afterFrames;
    RunSession([&](CPathEditSession& session) {
        unreadable = session.FileWasUnreadable();
        points = session.Path().GetNumberPoints();
        message = CScreen::Instance().GetMessageLine(6).str();
        for (int i = 0; i < 3; ++i)
            session.Frame();
        afterFrames = ReadWholeFile(m_options.pathFile);
        Press(session, {DIK_RETURN});
    });
    EXPECT_TRUE(unreadable);
    EXPECT_EQ(points, 0);
    EXPECT_NE(message.find("RETURN writes over it"), std::string::npos) << message;
    EXPECT_EQ(afterFrames, broken);
    EXPECT_EQ(ReadWholeFile(m_options.pathFile), "0\n1\n1\n");
}

TEST_F(PathEditSession, ANewFileIsMadeByReturnAndEscapeEndsTheSession)
{
    bool existedAfterFrames = true, frameWithEscape = true, frameBefore = false;
    std::string quitLine;
    m_options.model = std::string(PATHEDIT_DATA_DIR) + "/sausage.x";
    RunSession([&](CPathEditSession& session) {
        quitLine = CScreen::Instance().GetMessageLine(5).str();
        frameBefore = session.Frame();
        Press(session, {DIK_F7});
        existedAfterFrames = std::filesystem::exists(m_options.pathFile);
        Press(session, {DIK_RETURN});
        HoldOnlyKeys({DIK_ESCAPE});
        frameWithEscape = session.Frame();
    });
    EXPECT_EQ(quitLine, "[ESC] Quit");
    EXPECT_TRUE(frameBefore);
    EXPECT_FALSE(existedAfterFrames);
    EXPECT_FALSE(frameWithEscape);
    const std::string written = ReadWholeFile(m_options.pathFile);
    EXPECT_EQ(written.substr(0, 6), "1\n1\n1\n");
}

}  // namespace
