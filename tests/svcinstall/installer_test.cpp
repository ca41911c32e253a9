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
  base::StringWriter out;
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

TEST_F(InstallerTest, InstallsAnAbsolutePathAsTypedAndClosesBothHandles) {
  EXPECT_EQ(Run({"Beaconry", "C:\\bin\\beaconry.exe"}), 0);
  EXPECT_EQ(out.text, "\nService has been successfully installed!\n");
  EXPECT_THAT(scm.calls,
              ElementsAre("OpenSCManagerA", "CreateServiceA 11 [Beaconry] [C:\\bin\\beaconry.exe]",
                          "CloseServiceHandle 22", "CloseServiceHandle 11"));
}

// An unquoted path with a space would let the manager start a program at its first part, and a
// relative one names no program at all once the manager starts it.
TEST_F(InstallerTest, StoresAPathTheManagerCanStartUnambiguously) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:/bin/b.exe", "C:/bin/b.exe"},
      {"\\\\host\\share\\b.exe", "\\\\host\\share\\b.exe"},
      {"C:\\Program Files\\b.exe", "\"C:\\Program Files\\b.exe\""},
      {"\"C:\\Program Files\\b.exe\" -x", "\"C:\\Program Files\\b.exe\" -x"},
      {"\"b.exe\"", "\"b.exe\""},
      {"b.exe", "\"C:\\work folder\\b.exe\""},
      {"..\\bin\\b.exe", "\"C:\\work folder\\..\\bin\\b.exe\""},
      {"\\b.exe", "\"C:\\work folder\\\\b.exe\""},
      {"C:b.exe", "\"C:\\work folder\\C:b.exe\""},
  };
  for (const auto& [typed, stored] : cases) {
    scm.calls.clear();
    EXPECT_EQ(Run({"Svc", typed}), 0) << typed;
    EXPECT_EQ(scm.calls.at(scm.calls.size() - 3),
              std::string("CreateServiceA 11 [Svc] [") + stored + "]");
  }
  scm.current_folder = "C:\\w";
  EXPECT_EQ(Run({"Svc", "b.exe"}), 0);
  EXPECT_THAT(scm.calls, testing::Contains("CreateServiceA 11 [Svc] [C:\\w\\b.exe]"));
}

TEST_F(InstallerTest, AnyOtherSecondArgumentIsAProgramLocation) {
  for (const char* location : {"/rr", "r", "-r", "\\r", "/", "/x", "R/"}) {
    scm.calls.clear();
    EXPECT_EQ(Run({"Svc", location}), 0) << location;
    EXPECT_EQ(scm.calls.at(1), std::string("GetFullPathNameA [") + location + "]");
  }
}

TEST_F(InstallerTest, AnUnresolvablePathFailsTheInstallation) {
  scm.resolves = false;
  scm.error = 123;
  EXPECT_EQ(Run({"Beaconry", "b.exe"}), 1);
  EXPECT_EQ(out.text, "\nUnable to create service, error code: 123)\n");
  EXPECT_THAT(scm.calls, ElementsAre("OpenSCManagerA", "GetFullPathNameA [b.exe]", "GetLastError",
                                     "CloseServiceHandle 11"));
}

TEST_F(InstallerTest, FailedCreationPrintsTheCodeInAtLeastTwoColumns) {
  scm.created = 0;
  scm.error = 1073;
  EXPECT_EQ(Run({"Beaconry", "C:\\beaconry.exe"}), 1);
  EXPECT_EQ(out.text, "\nUnable to create service, error code: 1073)\n");
  EXPECT_THAT(scm.calls,
              ElementsAre("OpenSCManagerA", "CreateServiceA 11 [Beaconry] [C:\\beaconry.exe]",
                          "GetLastError", "CloseServiceHandle 11"));

  out.text.clear();
  scm.error = 5;
  EXPECT_EQ(Run({"Beaconry", "C:\\beaconry.exe"}), 1);
  EXPECT_EQ(out.text, "\nUnable to create service, error code:  5)\n");
}

TEST_F(InstallerTest, NoConnectionToTheManagerEndsBeforeAnyOperation) {
  scm.manager = 0;
  scm.error = 5;
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
  scm.error = 1060;
  EXPECT_EQ(Run({"Nothing", "/r"}), 1);
  EXPECT_EQ(out.text, "\nUnable to remove service, error code: 1060\n");
  EXPECT_THAT(scm.calls, ElementsAre("OpenSCManagerA", "OpenServiceA 11 [Nothing]", "GetLastError",
                                     "CloseServiceHandle 11"));
}

TEST_F(InstallerTest, FailedDeletionPrintsItsCodeBeforeClosingTheService) {
  scm.deletes = false;
  scm.error = 1072;
  EXPECT_EQ(Run({"Beaconry", "/R"}), 1);
  EXPECT_EQ(out.text, "\nUnable to remove service, error code: 1072\n");
  EXPECT_THAT(scm.calls,
              ElementsAre("OpenSCManagerA", "OpenServiceA 11 [Beaconry]", "DeleteService 33",
                          "GetLastError", "CloseServiceHandle 33", "CloseServiceHandle 11"));
}

}  // namespace
}  // namespace svcinstall
