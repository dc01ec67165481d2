// SPDX-License-Identifier: MIT
// Whole-surface digests of every style in every look (and of content
// variations) at device pixel ratio 1, taken before the surface learned to
// draw at other ratios: drawing at ratio 1 must stay bit for bit what it was.
//
// Re-generate the table only for an intended change of the 1x output:
//   VEXA_PRINT_DIGESTS=1 build/test/tests/button_tests --gtest_filter='RenderIdentity*'
#include "StyleCases.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

namespace {

// clang-format off
const std::map<std::string, quint64> Digests = {
    {"0 Classic/Normal", 0x3343423a24ab8223ull},
    {"0 Classic/Hot", 0x2bb93a26b581db6eull},
    {"0 Classic/Down", 0x21eba2e73c700734ull},
    {"0 Classic/Focused", 0xff8f302483871177ull},
    {"0 Classic/Default", 0xff8f302483871177ull},
    {"0 Classic/Disabled", 0x415b33313ccf833full},
    {"0 Classic/Checked", 0xa90229a79dcd0148ull},
    {"0 Classic/Checked + Hot", 0x48fcd5aff402bdd9ull},
    {"1 ClassicThin/Normal", 0xd453c323895c1723ull},
    {"1 ClassicThin/Hot", 0xfa97b83d1865306eull},
    {"1 ClassicThin/Down", 0x90802aaea299faf1ull},
    {"1 ClassicThin/Focused", 0xe84ff48f1eb51657ull},
    {"1 ClassicThin/Default", 0xe84ff48f1eb51657ull},
    {"1 ClassicThin/Disabled", 0x5317226fce08ef2bull},
    {"1 ClassicThin/Checked", 0xc4883eb91a194d8eull},
    {"1 ClassicThin/Checked + Hot", 0xc4883eb91a194d8eull},
    {"2 RoundedGradient/Normal", 0x057f5344d1be6d6aull},
    {"2 RoundedGradient/Hot", 0x04d2d1ff7e101fdfull},
    {"2 RoundedGradient/Down", 0xb7d1b0bd67746dd7ull},
    {"2 RoundedGradient/Focused", 0x54a59c605e75de57ull},
    {"2 RoundedGradient/Default", 0x54a59c605e75de57ull},
    {"2 RoundedGradient/Disabled", 0xe3eb27146f90b7dcull},
    {"2 RoundedGradient/Checked", 0xb7d1b0bd67746dd7ull},
    {"2 RoundedGradient/Checked + Hot", 0xb7d1b0bd67746dd7ull},
    {"3 BlueGlass/Normal", 0x950c565c60feacf1ull},
    {"3 BlueGlass/Hot", 0x12086a1c7fa7bbd7ull},
    {"3 BlueGlass/Down", 0x891e969e474167f5ull},
    {"3 BlueGlass/Focused", 0x65287f75b0995d99ull},
    {"3 BlueGlass/Default", 0x65287f75b0995d99ull},
    {"3 BlueGlass/Disabled", 0x60f0342e4aa1ec5eull},
    {"3 BlueGlass/Checked", 0x891e969e474167f5ull},
    {"3 BlueGlass/Checked + Hot", 0x891e969e474167f5ull},
    {"4 Toolbar/Normal", 0x9538d9d1b1c9cddeull},
    {"4 Toolbar/Hot", 0xd36678faf6197654ull},
    {"4 Toolbar/Down", 0x7adefeea14c596e0ull},
    {"4 Toolbar/Focused", 0x9538d9d1b1c9cddeull},
    {"4 Toolbar/Default", 0x9538d9d1b1c9cddeull},
    {"4 Toolbar/Disabled", 0xf540134e6ac3cb1eull},
    {"4 Toolbar/Checked", 0x14faffd44f86ce61ull},
    {"4 Toolbar/Checked + Hot", 0x52934178e482f823ull},
    {"5 WarmHighlight/Normal", 0x3852f0bbe4a80e4bull},
    {"5 WarmHighlight/Hot", 0x0ce554283b7cc82full},
    {"5 WarmHighlight/Down", 0xa4f03190a266a494ull},
    {"5 WarmHighlight/Focused", 0x3852f0bbe4a80e4bull},
    {"5 WarmHighlight/Default", 0x3852f0bbe4a80e4bull},
    {"5 WarmHighlight/Disabled", 0x60a6a0839b1ef69bull},
    {"5 WarmHighlight/Checked", 0xe1dc0c715d8aa6acull},
    {"5 WarmHighlight/Checked + Hot", 0xa4f03190a266a494ull},
    {"6 Silver/Normal", 0x80eff8ba3c9663beull},
    {"6 Silver/Hot", 0xa72f98ab35111d67ull},
    {"6 Silver/Down", 0xde36cafe622cfaa6ull},
    {"6 Silver/Focused", 0x80eff8ba3c9663beull},
    {"6 Silver/Default", 0x80eff8ba3c9663beull},
    {"6 Silver/Disabled", 0x2604a56e4fdf0a7eull},
    {"6 Silver/Checked", 0x6523da1071798958ull},
    {"6 Silver/Checked + Hot", 0x9b771b74e7a1a9d5ull},
    {"7 SoftBlue/Normal", 0x80eff8ba3c9663beull},
    {"7 SoftBlue/Hot", 0xce7d49363ae466dfull},
    {"7 SoftBlue/Down", 0xca0fe456f1e17614ull},
    {"7 SoftBlue/Focused", 0x80eff8ba3c9663beull},
    {"7 SoftBlue/Default", 0x80eff8ba3c9663beull},
    {"7 SoftBlue/Disabled", 0xf540134e6ac3cb1eull},
    {"7 SoftBlue/Checked", 0xca0fe456f1e17614ull},
    {"7 SoftBlue/Checked + Hot", 0xca0fe456f1e17614ull},
    {"8 Gel/Normal", 0xa4f06711153dc858ull},
    {"8 Gel/Hot", 0x032c1608bd975f88ull},
    {"8 Gel/Down", 0xb8d81747ea84381aull},
    {"8 Gel/Focused", 0xa4f06711153dc858ull},
    {"8 Gel/Default", 0xa4f06711153dc858ull},
    {"8 Gel/Disabled", 0x85e49d94993ac4b3ull},
    {"8 Gel/Checked", 0x9649c908f40e6a61ull},
    {"8 Gel/Checked + Hot", 0xb8d81747ea84381aull},
    {"9 WhiteGloss/Normal", 0x2104207ed9817a18ull},
    {"9 WhiteGloss/Hot", 0x6c397c072f69afc9ull},
    {"9 WhiteGloss/Down", 0xdc80ed0901aeee17ull},
    {"9 WhiteGloss/Focused", 0x463103b9acdf2110ull},
    {"9 WhiteGloss/Default", 0x463103b9acdf2110ull},
    {"9 WhiteGloss/Disabled", 0xb8dcd5c7cee68326ull},
    {"9 WhiteGloss/Checked", 0xdc80ed0901aeee17ull},
    {"9 WhiteGloss/Checked + Hot", 0xdc80ed0901aeee17ull},
    {"10 Shaded/Normal", 0x0d47b087881b33bdull},
    {"10 Shaded/Hot", 0x53df4b1e6235b5d0ull},
    {"10 Shaded/Down", 0x51cf79f1dc4f542eull},
    {"10 Shaded/Focused", 0x0d47b087881b33bdull},
    {"10 Shaded/Default", 0x0d47b087881b33bdull},
    {"10 Shaded/Disabled", 0x84ce3449ffc43fe3ull},
    {"10 Shaded/Checked", 0x51cf79f1dc4f542eull},
    {"10 Shaded/Checked + Hot", 0x51cf79f1dc4f542eull},
    {"11 FlatClassic/Normal", 0x27fba625bf0f8282ull},
    {"11 FlatClassic/Hot", 0x2bb93a26b581db6eull},
    {"11 FlatClassic/Down", 0xf8a33f1dd4102ae9ull},
    {"11 FlatClassic/Focused", 0x27fba625bf0f8282ull},
    {"11 FlatClassic/Default", 0x27fba625bf0f8282ull},
    {"11 FlatClassic/Disabled", 0xf540134e6ac3cb1eull},
    {"11 FlatClassic/Checked", 0xc4883eb91a194d8eull},
    {"11 FlatClassic/Checked + Hot", 0xc4883eb91a194d8eull},
    {"12 FlatThin/Normal", 0x27fba625bf0f8282ull},
    {"12 FlatThin/Hot", 0xfa97b83d1865306eull},
    {"12 FlatThin/Down", 0x90802aaea299faf1ull},
    {"12 FlatThin/Focused", 0x27fba625bf0f8282ull},
    {"12 FlatThin/Default", 0x27fba625bf0f8282ull},
    {"12 FlatThin/Disabled", 0xf540134e6ac3cb1eull},
    {"12 FlatThin/Checked", 0xfb01faf2c0a54a3bull},
    {"12 FlatThin/Checked + Hot", 0xfb01faf2c0a54a3bull},
    {"13 System/Normal", 0xb0de08616b79ae96ull},
    {"13 System/Hot", 0x04d2d1ff7e101fdfull},
    {"13 System/Down", 0xb7d1b0bd67746dd7ull},
    {"13 System/Focused", 0xdf73ac1c8906a76bull},
    {"13 System/Default", 0xdf73ac1c8906a76bull},
    {"13 System/Disabled", 0x3f2dbf0a61257e20ull},
    {"13 System/Checked", 0xb7d1b0bd67746dd7ull},
    {"13 System/Checked + Hot", 0xb7d1b0bd67746dd7ull},
    {"13 System themed/Normal", 0x18b46dbb005a25d4ull},
    {"13 System themed/Hot", 0x0350e3e88a5c29dcull},
    {"13 System themed/Down", 0x83673f6d11244ef8ull},
    {"13 System themed/Focused", 0xf6dc02e1d0e2f786ull},
    {"13 System themed/Default", 0xf6dc02e1d0e2f786ull},
    {"13 System themed/Disabled", 0x1942d63e12b7935cull},
    {"13 System themed/Checked", 0x83673f6d11244ef8ull},
    {"13 System themed/Checked + Hot", 0x83673f6d11244ef8ull},
    {"drop-down/2 Normal", 0x9c8a0e652677c315ull},
    {"drop-down/0 Down", 0xd2d88bd9ad28f93aull},
    {"drop-down/5 Down", 0xcc0ccb6179bad4ceull},
    {"drop-down/3 Hot", 0x937ff059a767d96aull},
    {"caption effect 1/3", 0xd034b010ac9aa0b3ull},
    {"caption effect 2/3", 0x2209b283e2329dc7ull},
    {"caption effect 3/3", 0x4e676d43d4df7ed5ull},
    {"caption effect 4/3", 0x3be88d376a7623bfull},
    {"caption effect 5/3", 0x09406c786788cdafull},
    {"caption left, right to left/10", 0xf71faafa1b5fcde4ull},
    {"caption right, drop-down/8", 0x5ae91c2a1a7486a7ull},
    {"wrapped caption/9 Focused", 0xe03176d3fb091323ull},
    {"odd size/0 Focused", 0x7567f822e183248dull},
    {"bitmap left/2 Normal", 0xfacd0581f612828eull},
    {"bitmap lighten/5 Hot", 0x9d8d6b19eb2f7846ull},
    {"bitmap darken half/0 Down", 0x20660d99a3e15ebaull},
    {"alpha shadow/9 Normal", 0x9604227aaa2f16b9ull},
    {"alpha grayscale/3 Disabled", 0xf96d2ab44614d30eull},
    {"icon push on hover/4 Hot", 0x64515b0c6a027998ull},
    {"icon unmasked/7 Hot", 0xfbb920b44e94ea9dull},
};
// clang-format on

} // namespace

TEST(RenderIdentity, EveryStyleAndLookAtRatioOneIsUnchanged) {
  const bool print = qEnvironmentVariableIsSet("VEXA_PRINT_DIGESTS");
  const auto cases = styleCases();
  for (const StyleCase& styleCase : cases) {
    const quint64 digest = paintDigest(paintCase(styleCase));
    if (print) {
      std::printf("    {\"%s\", 0x%016llxull},\n", styleCase.name.c_str(), static_cast<unsigned long long>(digest));
      continue;
    }
    const auto expected = Digests.find(styleCase.name);
    ASSERT_NE(expected, Digests.end()) << styleCase.name;
    EXPECT_EQ(digest, expected->second) << styleCase.name;
  }
  if (!print) {
    EXPECT_EQ(Digests.size(), cases.size());
  }
}
