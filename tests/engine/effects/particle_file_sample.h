// A complete particle-system file body (every property, in the order Save writes them), for the file
// tests and the fuzzer's seeds.
#pragma once

namespace particle_sample {

constexpr const char* kGoodBody =
    "Position=(1.0000, 2.0000, 3.0000)\n"
    "Gravity=(0.0000, -9.8100, 0.0000)\n"
    "SpawnDir1=(-1.0000, 0.5000, -1.0000)\n"
    "SpawnDir2=(1.0000, 2.0000, 1.0000)\n"
    "StartColor1=(1.0000, 0.5000, 0.2500, 1.0000)\n"
    "StartColor2=(1.0000, 0.7500, 0.5000, 1.0000)\n"
    "EndColor1=(0.0000, 0.0000, 0.0000, 0.0000)\n"
    "EndColor2=(0.1000, 0.1000, 0.1000, 0.0000)\n"
    "EmitRate=(50.0000, 80.0000)\n"
    "EmitRadius=(0.5000, 0.2500, 0.5000)\n"
    "Lifetime=(1.5000, 2.5000)\n"
    "Size=(3.0000, 6.0000)\n"
    "SrcBlend=D3DBLEND_SRCALPHA\n"
    "DestBlend=D3DBLEND_ONE\n"
    "MaxParticles=500\n"
    "Texture=Data\\spark.png\n";

}  // namespace particle_sample
