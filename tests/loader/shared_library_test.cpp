// SPDX-License-Identifier: GPL-3.0-or-later
#include "loader/shared_library.h"

#include <gtest/gtest.h>

namespace tonalis {
namespace {

double unchanged(double value) {
  return value;
}

TEST(SharedLibrary, BindsTheFunctionsOfALibraryOpenedByItsName) {
  SharedLibrary library("libm.so.6");
  double (*cosine)(double) = nullptr;
  library.bind("cos", cosine);
  ASSERT_NE(cosine, nullptr);
  EXPECT_EQ(cosine(0.0), 1.0);
  EXPECT_EQ(library.error(), "");
}

TEST(SharedLibrary, SaysWhichFunctionIsMissingAndKeepsTheFirst) {
  SharedLibrary library("libm.so.6");
  double (*missing)(double) = &unchanged;
  library.bind("tonalis_no_such_function", missing);
  library.bind("tonalis_nor_this", missing);
  EXPECT_EQ(missing, nullptr);
  EXPECT_EQ(library.error(), "libm.so.6 has no tonalis_no_such_function");
}

TEST(SharedLibrary, ALibraryThatIsNotThereBindsNothing) {
  SharedLibrary library("libtonalis-not-installed.so.0");
  EXPECT_NE(library.error().find("libtonalis-not-installed.so.0"), std::string::npos);
  double (*cosine)(double) = &unchanged;
  library.bind("cos", cosine);
  EXPECT_EQ(cosine, nullptr);
}

}  // namespace
}  // namespace tonalis
