// The command line tool, run as a user runs it.

#include "support/temp_drive.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <fstream>

namespace pw {
namespace {

struct CliRun {
    int exitCode;
    QString out, err;
};

CliRun Cli(const QStringList& arguments) {
    QProcess p;
    p.start(PW_CLI_PATH, arguments);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

class CliLayoutTest : public ::testing::Test {
protected:
    TempDrive drive;
    QString Write(const std::string& name, const std::string& bytes) {
        const auto path = drive.root / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return QString::fromStdString(path.string());
    }
    const std::string layout =
        "[ INPUT\r\n  Job Name = Lobby\r\nINPUT END ]\r\n\r\n"
        "[ WINDOW\r\n  Type = 0, 1\r\n  Colours = 0, 42, 42\r\n  Position = 0, 0, 799, 599\r\n"
        "WINDOW END ]\r\n\r\n"
        "[ WINDOW\r\n  Type = 7, 2\r\n  Colours = 0, 192, 192\r\n  Position = 10, 10, 109, 59\r\n"
        "  FontName = Arial\r\n  Text = 0\r\n|Hello|\r\nWINDOW END ]\r\n\r\n";
};

TEST_F(CliLayoutTest, HelpAndVersion) {
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("check LAYOUT.dcf"));
    EXPECT_EQ(Cli({"--version"}).out.trimmed(), "panelwright-cli 5.08");
    EXPECT_EQ(Cli({}).exitCode, 2);
    EXPECT_EQ(Cli({"frobnicate"}).exitCode, 2);
}

TEST_F(CliLayoutTest, CheckReportsTheLayoutOrItsErrors) {
    const CliRun good = Cli({"check", Write("a.dcf", layout)});
    EXPECT_EQ(good.exitCode, 0) << good.err.toStdString();
    EXPECT_TRUE(good.err.isEmpty()) << good.err.toStdString();
    EXPECT_TRUE(good.out.contains("2 windows, display 800 x 600")) << good.out.toStdString();
    const CliRun unknown = Cli({"check", Write("u.dcf", layout + "[ ODD\r\n]\r\n\r\n")});
    EXPECT_EQ(unknown.exitCode, 0);
    EXPECT_TRUE(unknown.err.contains("Unknown group [ ODD"));
    const CliRun bad = Cli({"check", Write("b.dcf", layout + "[ WINDOW\r\n  Tag = 123456789012\r\n\r\n")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains("Arithmetic overflow"));
    const CliRun cut = Cli({"check", Write("c.dcf", layout + "[ WINDOW\r\n  Text = 0\r\n|Gro")});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_TRUE(
        cut.err.contains("c.dcf\" ends inside a group or a text, so it may have been cut short"))
        << cut.err.toStdString();
    EXPECT_TRUE(cut.out.contains("3 windows")) << cut.out.toStdString();
    std::string huge = layout;
    huge.insert(huge.find("  FontName"), "  FontSize = 5000\r\n");
    const QString f = Write("f.dcf", huge);
    const CliRun font = Cli({"check", f});
    EXPECT_EQ(font.exitCode, 1);
    EXPECT_TRUE(font.out.contains(f + ":11: error: window 2: The font Arial 5000 cannot be made "
                                      "for the display"))
        << font.out.toStdString();
    EXPECT_EQ(Cli({"check", "/nonexistent.dcf"}).exitCode, 1);
    EXPECT_EQ(Cli({"check"}).exitCode, 2);
}

TEST_F(CliLayoutTest, CheckListsProblemsAsCompilersDoOrAsJson) {
    std::string wide = layout;
    wide.insert(wide.find("WINDOW END ]", wide.find("Type = 7")),
                "  Text = 7\r\n|Basement car park and loading bay|\r\n"
                "  Text = 8\r\n|Caf\xE9|\r\n");
    wide += "[ WINDOW\r\n  Type = 1, 3\r\n  Position = 10, 100, 109, 149\r\n  Text = 1\r\n|G|\r\n"
            "  Text = 3\r\n|2|\r\nWINDOW END ]\r\n\r\n";
    const QString in = Write("w.dcf", wide);
    const CliRun plain = Cli({"check", in});
    EXPECT_EQ(plain.exitCode, 1);
    const QStringList lines = plain.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << plain.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(in + ": 3 windows"));
    EXPECT_TRUE(lines[1].startsWith("The font file Arial20.fnt holds no characters above code 127"));
    EXPECT_TRUE(lines[2].startsWith(in + ":18: error: window 2, text 7: \"Basement car park and "
                                         "loading bay\" is "))
        << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith(in + ":20: error: window 2, text 8: \"Café\" holds \"é\""))
        << lines[3].toStdString();
    EXPECT_EQ(lines[4], in + ":24: warning: window 3, text 2: Index 2 is empty, but the floor at "
                             "index 3 is set.");

    const CliRun json = Cli({"check", in, "--json"});
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_TRUE(json.err.contains("3 windows")) << json.err.toStdString();
    // The keys in the order scripts are told of.
    EXPECT_TRUE(json.out.contains("{\"severity\": \"error\", \"kind\": \"text-too-wide\", "
                                  "\"window\": 2, \"index\": 7, \"line\": 18, \"message\": "))
        << json.out.toStdString();
    const QJsonArray problems = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_EQ(problems.size(), 3) << json.out.toStdString();
    const QJsonObject first = problems[0].toObject();
    EXPECT_EQ(first["severity"], "error");
    EXPECT_EQ(first["kind"], "text-too-wide");
    EXPECT_EQ(first["window"], 2);
    EXPECT_EQ(first["index"], 7);
    EXPECT_EQ(first["line"], 18);
    EXPECT_GT(first["pixels"].toInt(), 100);
    EXPECT_TRUE(problems[1].toObject()["message"].toString().contains("é"));
    EXPECT_TRUE(problems[1].toObject()["pixels"].isNull());
    EXPECT_EQ(problems[2].toObject()["severity"], "warning");

    EXPECT_EQ(Cli({"check", in, in}).exitCode, 2);
    EXPECT_EQ(Cli({"check", Write("ok.dcf", layout), "--json"}).out, "[]\n");
}

TEST_F(CliLayoutTest, TheExampleLayoutsCheckCleanOfErrors) {
    for (const QString& name : QDir(PW_EXAMPLES_DIR).entryList({"*.dcf"})) {
        const CliRun check = Cli({"check", PW_EXAMPLES_DIR "/" + name});
        EXPECT_EQ(check.exitCode, 0) << name.toStdString() << check.out.toStdString();
        EXPECT_FALSE(check.out.contains(": error: ")) << check.out.toStdString();
    }
}

TEST_F(CliLayoutTest, SaveWritesTheLayoutAsTheEditorDoes) {
    const QString in = Write("in.dcf", layout);
    const QString out = QString::fromStdString((drive.root / "out.dcf").string());
    ASSERT_EQ(Cli({"save", in, out}).exitCode, 0);
    std::ifstream written((drive.root / "out.dcf").string(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(written)), {});
    EXPECT_NE(bytes.find("  Job Name = Lobby\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("  Position = 10, 10, 109, 59\r\n"), std::string::npos);
    // The tool draws nothing, yet the text window keeps the size it is shown in, as after a
    // load in the editor: a face without a size is drawn at 20.
    EXPECT_NE(bytes.find("  FontSize = 20\r\n"), std::string::npos);
    ASSERT_EQ(Cli({"save", in, out}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(drive.root / "out.~dc"));
}

TEST_F(CliLayoutTest, RenderDrawsTheCanvas) {
    const QString in = Write("r.dcf", layout);
    const QString png = QString::fromStdString((drive.root / "r.png").string());
    const CliRun r = Cli({"render", in, png, "--view", "static"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QImage image(png);
    ASSERT_EQ(image.size(), QSize(800, 600));
    EXPECT_EQ(image.pixelColor(400, 400), QColor(32, 160, 160));
    EXPECT_EQ(image.pixelColor(100, 55), QColor(192, 0, 0));
    int ink = 0; // the text is drawn in black
    for (int y = 12; y < 40; ++y)
        for (int x = 12; x < 80; ++x) ink += image.pixelColor(x, y) == QColor(0, 0, 0);
    EXPECT_GT(ink, 20);
    EXPECT_EQ(Cli({"render", in, png, "--view", "sideways"}).exitCode, 2);
    EXPECT_EQ(Cli({"render", in, png, "--time", "noon"}).exitCode, 2);
}

TEST_F(CliLayoutTest, EachCommandHasItsOwnHelpAndNamesTheArgumentAtFault) {
    const CliRun help = Cli({"render", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: panelwright-cli [--drive-c DIR] render LAYOUT.dcf "
                                    "OUT.png [--view design|static|dynamic]"))
        << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("\n\nDraws the layout as the canvas shows it"));
    EXPECT_FALSE(help.out.contains("Commands:")); // not the general help
    EXPECT_TRUE(Cli({"save", "-h"}).out.contains("IN.dcf OUT.dcf"));

    const QString in = Write("r.dcf", layout);
    const QString png = QString::fromStdString((drive.root / "r.png").string());
    const CliRun ticks = Cli({"render", in, png, "--ticks", "abc"});
    EXPECT_EQ(ticks.exitCode, 2);
    EXPECT_TRUE(ticks.err.startsWith(
        "panelwright-cli render: --ticks wants a whole number of 0 or more, not 'abc'\n"
        "Usage: panelwright-cli render LAYOUT.dcf OUT.png"))
        << ticks.err.toStdString();
    const CliRun bogus = Cli({"render", in, png, "--bogus"});
    EXPECT_EQ(bogus.exitCode, 2);
    EXPECT_TRUE(bogus.err.startsWith("panelwright-cli render: unknown option '--bogus'\n"))
        << bogus.err.toStdString();
    const CliRun value = Cli({"inspect", "a.bm", "--png"});
    EXPECT_EQ(value.exitCode, 2);
    EXPECT_TRUE(value.err.startsWith("panelwright-cli inspect: --png needs a value (OUT.png)\n"))
        << value.err.toStdString();
    const CliRun count = Cli({"convert", "a.bmp"});
    EXPECT_EQ(count.exitCode, 2);
    EXPECT_TRUE(count.err.startsWith("panelwright-cli convert: takes 2 files, not 1\n"))
        << count.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(png)); // nothing was drawn
}

TEST_F(CliLayoutTest, AFolderWhereAFileBelongsIsCalledAFolder) {
    const auto dir = drive.root / "adir";
    std::filesystem::create_directories(dir / "inside");
    const QString folder = QString::fromStdString(dir.string());
    const QString said = "\"" + folder + "\" is a folder, not a file.\n";
    const QString in = Write("in.dcf", layout);
    for (const QStringList& arguments :
         {QStringList{"check", folder}, QStringList{"save", folder, "out.dcf"},
          QStringList{"render", folder, "out.png"}, QStringList{"render", in, folder},
          QStringList{"convert", folder, "out.bm"}, QStringList{"inspect", folder}}) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, said) << arguments.join(' ').toStdString();
    }

    // Saving onto a folder, or beside a backup that is a folder, changes nothing.
    const CliRun onto = Cli({"save", in, folder});
    EXPECT_EQ(onto.exitCode, 1);
    EXPECT_TRUE(onto.err.contains("\"" + folder + "\": that is a folder"))
        << onto.err.toStdString();
    EXPECT_TRUE(std::filesystem::is_directory(dir / "inside"));
    EXPECT_FALSE(std::filesystem::exists(drive.root / "adir.~dc"));
    std::filesystem::create_directories(drive.root / "out.~dc");
    const QString out = Write("out.dcf", "old");
    const CliRun backup = Cli({"save", in, out});
    EXPECT_EQ(backup.exitCode, 1);
    EXPECT_TRUE(backup.err.contains("out.~dc\" is a folder")) << backup.err.toStdString();
    std::ifstream kept((drive.root / "out.dcf").string(), std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(kept)), {}), "old");
}

TEST_F(CliLayoutTest, FileNamesNeedNotBePlainAscii) {
    const QString in = Write("Büro Ø.dcf", layout);
    const CliRun check = Cli({"check", in});
    EXPECT_EQ(check.exitCode, 0) << check.err.toStdString();
    EXPECT_TRUE(check.out.startsWith(in + ": 2 windows")) << check.out.toStdString();
    const QString png = QString::fromStdString((drive.root / "Büro.png").string());
    EXPECT_EQ(Cli({"render", in, png}).exitCode, 0);
    EXPECT_EQ(QImage(png).size(), QSize(800, 600));
    const CliRun missing =
        Cli({"check", QString::fromStdString((drive.root / "Lüft.dcf").string())});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("Lüft.dcf")) << missing.err.toStdString();
}

} // namespace
} // namespace pw
