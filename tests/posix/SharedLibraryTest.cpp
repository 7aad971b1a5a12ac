// A library opened on demand: its functions are found, a missing one is null, a library that
// cannot be loaded gives the loader's reason, and the handle moves with its owner.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "posix/SharedLibrary.h"

namespace {

using platform::posix::SharedLibrary;

TEST(SharedLibrary, FindsFunctionsAndSaysWhyALibraryCannotBeLoaded) {
    std::string error;
    std::optional<SharedLibrary> math = SharedLibrary::Open("libm.so.6", &error);
    ASSERT_TRUE(math) << error;
    auto* cosine = math->Function<double(double)>("cos");
    ASSERT_NE(cosine, nullptr);
    EXPECT_DOUBLE_EQ(cosine(0.0), 1.0);
    EXPECT_EQ(math->Symbol("no_such_function_here"), nullptr);

    // Moved, the new owner holds the library and the old one nothing.
    SharedLibrary moved = std::move(*math);
    EXPECT_NE(moved.Symbol("cos"), nullptr);
    EXPECT_EQ(math->Symbol("cos"), nullptr);

    EXPECT_FALSE(SharedLibrary::Open("/nonexistent/libnothing.so", &error));
    EXPECT_NE(error.find("/nonexistent/libnothing.so"), std::string::npos) << error;
}

}  // namespace
