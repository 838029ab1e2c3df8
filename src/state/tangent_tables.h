#pragma once

// The tangent's constants, made by tests/state/make_tangent_tables from GNU MPFR
// (make_tangent_tables constants > src/state/tangent_tables.h): not to be edited.

#include <array>
#include <cstdint>

#include "state/double_double.h"

namespace pali::tangent_tables {

// 2/pi = sum of kTwoOverPi[j] * 2^(-32 (j + 1)), j = 0..47: 1536 bits.
inline constexpr std::array<std::uint32_t, 48> kTwoOverPi = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041,
    0xFE5163AB, 0xDEBBC561, 0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C,
    0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484, 0xE99C7026, 0xB45F7E41,
    0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D,
    0x7527BAC7, 0xEBE5F17B, 0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08,
    0x56033046, 0xFC7B6BAB, 0xF0CFBC20, 0x9AF4361D, 0xA9E39161, 0x5EE61B08,
    0x6599855F, 0x14A06840, 0x8DFFD880, 0x4D732731, 0x06061556, 0xCA73A8C9,
};

// pi/2 cut after 288 bits of fraction, least significant limb first,
// the integer part last.
inline constexpr std::array<std::uint32_t, 10> kHalfPi = {
    0xA29410F3, 0x76273644, 0x04177D4C, 0x14CF98E8, 0x52049C11, 0x01B839A2,
    0x898CC517, 0x42D18469, 0x921FB544, 0x00000001,
};

// pi/2 as a double-double, each half rounded to nearest.
inline constexpr dd::DoubleDouble kHalfPiDoubleDouble = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};

// tan(i / 128) for i = 0..101 as double-doubles, each half rounded to nearest:
// relative error below 2^-106.
inline constexpr std::array<dd::DoubleDouble, 102> kTanOfNodes = {{
    {0x0p+0, 0x0p+0},
    {0x1.00015557777afp-7, -0x1.12eaf386ee6bap-61},
    {0x1.0005557778549p-6, -0x1.4792827ea2e3ep-60},
    {0x1.8012010341f4fp-6, 0x1.22272a5bc5679p-60},
    {0x1.00155777aec08p-5, 0x1.5f48b25fa0262p-59},
    {0x1.4029b12e5d036p-5, 0x1.d606e3db20fa3p-60},
    {0x1.80481036e4452p-5, 0x1.3d85e10c65fcep-60},
    {0x1.c0727863ee42dp-5, -0x1.b4e57b2e2af0ap-59},
    {0x1.005577854df01p-4, -0x1.f35b10671bea1p-58},
    {0x1.2079bda1f91bap-4, 0x1.5ac87bc418048p-58},
    {0x1.40a71317603a9p-4, 0x1.e341cf23dfe5cp-58},
    {0x1.60de7d99082fep-4, -0x1.0b00eb95c6311p-58},
    {0x1.8121042019d39p-4, 0x1.e53de54163d36p-58},
    {0x1.a16faf0d40347p-4, 0x1.5a68ce2de7e1bp-58},
    {0x1.c1cb884ae7ce3p-4, -0x1.91f3cfab70c67p-60},
    {0x1.e2359b6fe83eap-4, 0x1.1322f1cadf7cfp-58},
    {0x1.01577af1511a5p-3, -0x1.fba60a478d2bp-59},
    {0x1.119c537e4dc4dp-3, -0x1.86d1b3972f757p-57},
    {0x1.21e9e01751d9cp-3, -0x1.8f2e9b85cdb48p-60},
    {0x1.3240aa92c57ddp-3, -0x1.d06af58819344p-57},
    {0x1.42a13df7bb968p-3, -0x1.981948de81acp-57},
    {0x1.530c2690f05c9p-3, 0x1.7b323bbdd11bcp-57},
    {0x1.6381f20021d08p-3, -0x1.9360ee39e7d86p-58},
    {0x1.74032f51c7e36p-3, 0x1.c407111cded9fp-57},
    {0x1.84906f1132568p-3, 0x1.20efcd2f809c3p-60},
    {0x1.952a435d12828p-3, 0x1.a5f37e2e25488p-61},
    {0x1.a5d13ffc776f5p-3, 0x1.b89182a3a38d7p-57},
    {0x1.b685fa7442dcp-3, 0x1.15e2fa0afabd5p-57},
    {0x1.c7490a1d1e12dp-3, 0x1.d2fc0e48d3694p-58},
    {0x1.d81b0839f5a64p-3, -0x1.ceb733107c419p-57},
    {0x1.e8fc900f0376bp-3, -0x1.b971a98dc7fbp-57},
    {0x1.f9ee3ef96eaa2p-3, -0x1.c70683abde1b8p-58},
    {0x1.05785a43c4c56p-2, -0x1.9c6bfe7769a3dp-58},
    {0x1.0e024948dac9fp-2, -0x1.51349a0419593p-58},
    {0x1.16953ea9fb257p-2, 0x1.06b03f377d8fp-59},
    {0x1.1f318dc41deecp-2, 0x1.416ec874dbce6p-56},
    {0x1.27d78b40b7704p-2, 0x1.f391de0df335dp-56},
    {0x1.30878d23a3785p-2, -0x1.4da5be0bf5995p-56},
    {0x1.3941ead97b329p-2, -0x1.736dee67c7385p-57},
    {0x1.4206fd465adc8p-2, -0x1.1b4ce8080e5e1p-56},
    {0x1.4ad71ed51ce39p-2, -0x1.b8c42b22fff4bp-56},
    {0x1.53b2ab87103e2p-2, -0x1.8f297160606e5p-57},
    {0x1.5c9a01043014bp-2, -0x1.8a3aeeb99c243p-57},
    {0x1.658d7eabe319ep-2, -0x1.6b4f98a342f61p-56},
    {0x1.6e8d85a6493e1p-2, -0x1.80e8ea578b238p-56},
    {0x1.779a78f61ebd5p-2, -0x1.f6b39691799f1p-56},
    {0x1.80b4bd8b3bdd9p-2, 0x1.5a80279094351p-59},
    {0x1.89dcba55b9103p-2, -0x1.44e7869224429p-56},
    {0x1.9312d859bf8bp-2, -0x1.de9ddeb7d418p-57},
    {0x1.9c5782c40ed6ep-2, 0x1.59de2842977fcp-56},
    {0x1.a5ab26ff403edp-2, -0x1.522f5c7d91fa7p-59},
    {0x1.af0e34c9d1807p-2, -0x1.d0bddceaa69d4p-56},
    {0x1.b8811e4d009c3p-2, -0x1.2f8192327ea6bp-58},
    {0x1.c20458348326bp-2, 0x1.bbe1ebd1bdd9bp-60},
    {0x1.cb9859c724099p-2, -0x1.923f8a8057bf7p-57},
    {0x1.d53d9d0053381p-2, -0x1.95b3890de5b0ep-61},
    {0x1.def49eaab37a1p-2, 0x1.1e48c7a265428p-56},
    {0x1.e8bdde7bb318bp-2, -0x1.551b271b4137p-58},
    {0x1.f299df303cebbp-2, -0x1.925b4a577d0aap-58},
    {0x1.fc8926aa90063p-2, -0x1.d94cbf8f86866p-56},
    {0x1.03461f08a685dp-1, -0x1.71d22a449a2eap-55},
    {0x1.0851d8f7e487dp-1, 0x1.f53c3fb2b2a2cp-57},
    {0x1.0d68092bdb64ep-1, -0x1.9115b88532a0ap-55},
    {0x1.1288f9821bed4p-1, 0x1.63d4764a30292p-55},
    {0x1.17b4f5bf3474ap-1, 0x1.0c5e59201e209p-55},
    {0x1.1cec4ba1be39fp-1, -0x1.27c1889a1ec0ap-55},
    {0x1.222f4af63cacdp-1, 0x1.5ffe451c2abd6p-56},
    {0x1.277e45abd9b2ep-1, -0x1.cf6e2f81355d7p-55},
    {0x1.2cd98fea0ab88p-1, 0x1.bf004c33955cbp-57},
    {0x1.324180272b11p-1, 0x1.f706216c491cp-55},
    {0x1.37b66f4018e8ep-1, -0x1.1899339e50c0ep-56},
    {0x1.3d38b890e2df1p-1, -0x1.d545741414cc4p-56},
    {0x1.42c8ba0e9537ap-1, -0x1.1817d3747956ap-56},
    {0x1.4866d46236872p-1, -0x1.a43cbe9fb246ep-57},
    {0x1.4e136b0504b5fp-1, -0x1.cfa9c233bbb31p-56},
    {0x1.53cee45e044bp-1, 0x1.0037473ae19b1p-55},
    {0x1.5999a9e0f5129p-1, -0x1.ebf504ca1c5d4p-56},
    {0x1.5f74282ec06e5p-1, -0x1.1a30913359945p-55},
    {0x1.655ecf3776ef1p-1, -0x1.a80657cbfeeb6p-55},
    {0x1.6b5a125df43fap-1, -0x1.daaefef2bf829p-55},
    {0x1.7166689d41efp-1, -0x1.f44ffce65ed2bp-55},
    {0x1.77844cafd348cp-1, 0x1.004393bf9e111p-55},
    {0x1.7db43d38b62cap-1, 0x1.489d3c731da14p-55},
    {0x1.83f6bceed6b93p-1, -0x1.dd6470b323227p-56},
    {0x1.8a4c52ca75a77p-1, 0x1.4d66e6bea4d61p-55},
    {0x1.90b58a34f3665p-1, 0x1.1b5a65f331655p-55},
    {0x1.9732f33b14612p-1, 0x1.c2d4507fd437ap-57},
    {0x1.9dc522c1e56b5p-1, -0x1.ee4c9de1be6b1p-59},
    {0x1.a46cb2be6a0b2p-1, -0x1.29a64ecb1df2ep-56},
    {0x1.ab2a427041578p-1, 0x1.47f6dc014a039p-57},
    {0x1.b1fe769f7154ep-1, 0x1.32aa55fd9947dp-56},
    {0x1.b8e9f9dd8c374p-1, -0x1.33dbd3fadfaccp-55},
    {0x1.bfed7cca66b49p-1, 0x1.8d237cd4d9245p-55},
    {0x1.c709b65c9aa7bp-1, 0x1.93ec21dbe5824p-55},
    {0x1.ce3f642e15af6p-1, -0x1.98cfacf28c6b2p-55},
    {0x1.d58f4accf8435p-1, 0x1.c2d4fce764957p-57},
    {0x1.dcfa36110eeecp-1, -0x1.f3cf665127fd2p-57},
    {0x1.e480f97635083p-1, -0x1.e80a8d4caa22ap-56},
    {0x1.ec24707bf6687p-1, 0x1.8cb6d1fadd1dap-55},
    {0x1.f3e57f0acc544p-1, 0x1.59d2c7bcfec07p-55},
    {0x1.fbc511df5917fp-1, 0x1.4e6ef3dde2f07p-55},
    {0x1.01e20f7e06e4bp+0, 0x1.01a7dbf5a0245p-54},
}};

}  // namespace pali::tangent_tables
