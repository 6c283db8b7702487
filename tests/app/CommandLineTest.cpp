#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

TEST(CommandLineTest, NoArgumentIsTheUsualStartAndOnePathIsOpened) {
  EXPECT_EQ(CommandLine::Parse({}).action, Action::Run);
  EXPECT_EQ(CommandLine::Parse({}).path, u"");
  const CommandLine line = CommandLine::Parse({"/home/u/Fotos K\xC3\xB6ln/Sommer 2024"});
  EXPECT_EQ(line.action, Action::Run);
  EXPECT_EQ(line.path, u"/home/u/Fotos K\u00F6ln/Sommer 2024");
  EXPECT_EQ(CommandLine::Parse({"holiday.jpg"}).path, u"holiday.jpg");
  EXPECT_EQ(CommandLine::Parse({"--", "-odd name"}).path, u"-odd name");
  EXPECT_EQ(CommandLine::Parse({"-"}).path, u"-");
}

TEST(CommandLineTest, HelpAndVersionPrintAndSucceed) {
  const CommandLine help = CommandLine::Parse({"/photos", "--help"});
  EXPECT_EQ(help.action, Action::Help);
  EXPECT_NE(help.text.find("Usage: pagewing [FOLDER | PHOTO]"), std::string::npos);
  EXPECT_EQ(help.ExitCode(), 0);
  const CommandLine version = CommandLine::Parse({"--version"});
  EXPECT_EQ(version.action, Action::Version);
  EXPECT_EQ(version.text, "Pagewing 3.4.4\n");
  EXPECT_EQ(version.ExitCode(), 0);
}

TEST(CommandLineTest, UnknownOptionsAndASecondPathAreRefusedWithExitCode2) {
  for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
           {"--fullscreen"}, {"-h"}, {"/a", "/b"}, {""}, {"--", "--help", "/b"}}) {
    const CommandLine line = CommandLine::Parse(arguments);
    EXPECT_EQ(line.action, Action::Refuse) << arguments.front();
    EXPECT_EQ(line.ExitCode(), 2);
    EXPECT_EQ(line.text.rfind("pagewing: ", 0), 0u) << line.text;
  }
  EXPECT_NE(CommandLine::Parse({"--fullscreen"}).text.find("'--fullscreen'"), std::string::npos);
}

}  // namespace
