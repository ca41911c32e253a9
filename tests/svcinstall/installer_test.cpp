#include "svcinstall/installer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/svcinstall/fake_service_manager.h"

namespace svcinstall {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kUsage[] =
    "\nusage:\n\n"
    "       DOCKHAND <service name> <exe location>\n"
    "           to install a service, or:\n\n"
    "       DOCKHAND <service name> /r\n"
    "           to remove a service\n\n";

struct InstallerTest : ::testing::Test {
  FakeServiceManager scm;
  consoleio::StringWriter out;
  int Run(const std::vector<std::string>& args) { return InstallerMain(args, scm, out); }
};

TEST_F(InstallerTest, AnyOtherArgumentCountPrintsOnlyTheUsageAndLeavesTheManagerAlone) {
  const std::vector<std::vector<std::string>> wrong = {
      {}, {"Beaconry"}, {"Beaconry", "C:\\b.exe", "extra"}, {"Beaconry", "/r", "/r"}};
  for (const auto& args : wrong) {
    out.text.clear();
    EXPECT_EQ(Run(args), 1) << args.size();
    EXPECT_EQ(out.text, kUsage) << args.size();
  }
  EXPECT_THAT(scm.calls, IsEmpty());
}

TEST_F(InstallerTest, InstallsWithTheLocationAsTypedAndClosesBothHandles) {
  EXPECT_EQ(Run({"Beaconry", "..\\bin\\beaconry.exe -x"}), 0);
  EXPECT_EQ(out.text, "\nService has been successfully installed!\n");
  EXPECT_THAT(scm.calls, ElementsAre("OpenSCManagerA",
                                     "CreateServiceA 11 [Beaconry] [..\\bin\\beaconry.exe -x]",
                                     "CloseServiceHandle 22", "CloseServiceHandle 11"));
}

TEST_F(InstallerTest, AnyOtherSecondArgumentIsAProgramLocation) {
  for (const char* location : {"/rr", "r", "-r", "\\r", "/", "/x", "R/"}) {
    scm.calls.clear();
    EXPECT_EQ(Run({"Svc", location}), 0) << location;
    EXPECT_EQ(scm.calls.at(1), std::string("CreateServiceA 11 [Svc] [") + location + "]");
  }
}

TEST_F(InstallerTest, FailedCreationPrintsTheCodeInAtLeastTwoColumns) {
  scm.created = 0;
  scm.last_error = 1073;
  EXPECT_EQ(Run({"Beaconry", "C:\\beaconry.exe"}), 1);
  EXPECT_EQ(out.text, "\nUnable to create service, error code: 1073)\n");
  EXPECT_THAT(scm.calls,
              ElementsAre("OpenSCManagerA", "CreateServiceA 11 [Beaconry] [C:\\beaconry.exe]",
                          "GetLastError", "CloseServiceHandle 11"));

  out.text.clear();
  scm.last_error = 5;
  EXPECT_EQ(Run({"Beaconry", "C:\\beaconry.exe"}), 1);
  EXPECT_EQ(out.text, "\nUnable to create service, error code:  5)\n");
}

TEST_F(InstallerTest, NoConnectionToTheManagerEndsBeforeAnyOperation) {
  scm.manager = 0;
  scm.last_error = 5;
  for (const char* second : {"C:\\beaconry.exe", "/r"}) {
    scm.calls.clear();
    out.text.clear();
    EXPECT_EQ(Run({"Beaconry", second}), 1);
    EXPECT_EQ(out.text,
              "\nUnable to establish a connection with the service control manager, error code: "
              "5\n");
    EXPECT_THAT(scm.calls, ElementsAre("OpenSCManagerA", "GetLastError"));
  }
}

TEST_F(InstallerTest, RemovesWithSlashRInEitherCase) {
  for (const char* remove : {"/r", "/R"}) {
    scm.calls.clear();
    out.text.clear();
    EXPECT_EQ(Run({"Beaconry", remove}), 0) << remove;
    EXPECT_EQ(out.text, "\nService has been successfully removed!\n");
    EXPECT_THAT(scm.calls,
                ElementsAre("OpenSCManagerA", "OpenServiceA 11 [Beaconry]", "DeleteService 33",
                            "CloseServiceHandle 33", "CloseServiceHandle 11"));
  }
}

TEST_F(InstallerTest, RemovingAMissingServicePrintsTheOpeningCode) {
  scm.opened = 0;
  scm.last_error = 1060;
  EXPECT_EQ(Run({"Nothing", "/r"}), 1);
  EXPECT_EQ(out.text, "\nUnable to remove service, error code: 1060\n");
  EXPECT_THAT(scm.calls, ElementsAre("OpenSCManagerA", "OpenServiceA 11 [Nothing]", "GetLastError",
                                     "CloseServiceHandle 11"));
}

TEST_F(InstallerTest, FailedDeletionPrintsItsCodeBeforeClosingTheService) {
  scm.deletes = false;
  scm.last_error = 1072;
  EXPECT_EQ(Run({"Beaconry", "/R"}), 1);
  EXPECT_EQ(out.text, "\nUnable to remove service, error code: 1072\n");
  EXPECT_THAT(scm.calls,
              ElementsAre("OpenSCManagerA", "OpenServiceA 11 [Beaconry]", "DeleteService 33",
                          "GetLastError", "CloseServiceHandle 33", "CloseServiceHandle 11"));
}

}  // namespace
}  // namespace svcinstall
