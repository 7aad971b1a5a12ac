// The ODBC driver manager is opened when ODBC is first used, not at start-up, and a driver
// manager that cannot be loaded is named in the error.
#include <gtest/gtest.h>

#include <string>

#include "odbc/sql/DriverManager.h"
#include "odbc/OdbcApi.h"
#include "testing/FreshProcess.h"

namespace {

using platform::odbc::DriverManagerFunctions;
using platform::odbc::LoadDriverManager;

TEST(DriverManager, LoadedOnlyWhenOdbcIsFirstUsed) {
    if (!testing_support::InFreshProcess()) return;
    EXPECT_FALSE(testing_support::LibraryLoaded("libodbc.so")) << "loaded at start";
    // Listing the drivers is the first use.
    EXPECT_NO_THROW(platform::odbc::InstalledDrivers());
    EXPECT_TRUE(testing_support::LibraryLoaded("libodbc.so"));
}

TEST(DriverManager, EveryFunctionIsFoundOrTheLibraryIsNamed) {
    DriverManagerFunctions functions;
    EXPECT_EQ("", LoadDriverManager(platform::odbc::kDriverManagerLibrary, functions));
    EXPECT_NE(nullptr, functions.SQLAllocHandle);
    EXPECT_NE(nullptr, functions.SQLTablesW);

    DriverManagerFunctions none;
    const std::string missing = LoadDriverManager("libvelloria-no-such-odbc.so.2", none);
    EXPECT_EQ(0u, missing.find("The ODBC driver manager libvelloria-no-such-odbc.so.2 cannot be loaded (")) << missing;

    // A library that loads but is no driver manager.
    EXPECT_EQ("The ODBC driver manager libm.so.6 has no function SQLAllocHandle.", LoadDriverManager("libm.so.6", none));
}

}  // namespace
