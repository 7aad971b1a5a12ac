// A library opened on demand: its functions are found, a missing one is null, a library that
// cannot be loaded gives the loader's reason, and the handle moves with its owner.
#include <gtest/gtest.h>

#include <dlfcn.h>

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

// A library kept for the process stays when its handle is closed; another one goes. libdeflate
// is one the setup installs and this program does not otherwise load.
TEST(SharedLibrary, ALibraryKeptForTheProcessStaysAfterItsHandleCloses) {
    const auto loaded = [] {
        void* handle = ::dlopen("libdeflate.so.0", RTLD_NOW | RTLD_NOLOAD);
        if (handle) ::dlclose(handle);
        return handle != nullptr;
    };
    ASSERT_FALSE(loaded());
    std::string error;
    {
        std::optional<SharedLibrary> library = SharedLibrary::Open("libdeflate.so.0", &error);
        ASSERT_TRUE(library) << error;
        EXPECT_TRUE(loaded());
    }
    EXPECT_FALSE(loaded());
    {
        std::optional<SharedLibrary> library = SharedLibrary::Open("libdeflate.so.0", &error, SharedLibrary::Unload::Never);
        ASSERT_TRUE(library) << error;
    }
    EXPECT_TRUE(loaded());
}

}  // namespace
