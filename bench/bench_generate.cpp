// Generate files for a job of 5 fonts (20 to 36 pixels, one of them bold) and 4 photo-like
// bitmaps of 160 x 120: the whole panelwright-cli generate process, as a deployment script
// runs it, against the generation alone in a process where the layout is already loaded, and
// against a bare start of the tool.

#include "cli/cli_editor.h"
#include "generate/deployment.h"
#include "generate/deployment_record.h"
#include "photo_bitmap.h"
#include "qt/gcrypt_hasher.h"
#include "ratio_report.h"
#include "reference/deploy_reference.h"
#include "shell/generate_files.h"

#include <QProcess>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

constexpr const char* kJob = "C:\\KVP\\Work\\job.dcf";

// The job on a drive C of its own, made once.
const std::filesystem::path& Drive() {
    static const std::filesystem::path root = [] {
        const auto root = std::filesystem::temp_directory_path() / "pw_bench_generate";
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "KVP/Work");
        setenv("PANELWRIGHT_DRIVE_C", root.c_str(), 1);
        // The records of the deployments stay with the drive.
        setenv("XDG_STATE_HOME", (root / "state").c_str(), 1);
        std::ofstream(root / "KVP/Display.axf", std::ios::binary) << std::string(200000, 'x');
        std::string layout = "[ WINDOW\r\n  Type = 0, 1\r\n  Colours = 0, 42, 42\r\n"
                             "  Position = 0, 0, 799, 599\r\nWINDOW END ]\r\n\r\n";
        const struct {
            int size, style;
            const char* text;
        } fonts[] = {{20, 0, "Lift 1"},
                     {24, 0, "Ground floor"},
                     {28, 1, "Out of service"},
                     {32, 0, "Level 12"},
                     {36, 0, "Welcome to the lobby"}};
        int number = 2;
        for (const auto& f : fonts) {
            layout += "[ WINDOW\r\n  Type = 7, " + std::to_string(number) +
                      "\r\n  Position = 10, " + std::to_string(40 * number) + ", 409, " +
                      std::to_string(40 * number + 39) +
                      "\r\n  FontSize = " + std::to_string(f.size) +
                      "\r\n  FontName = Arial\r\n  FontStyle = " + std::to_string(f.style) +
                      "\r\n  Text = 0\r\n|" + f.text + "|\r\nWINDOW END ]\r\n\r\n";
            ++number;
        }
        for (int i = 0; i < 4; ++i) {
            const std::string name = "photo" + std::to_string(i) + ".bmp";
            std::ofstream(root / "KVP/Work" / name, std::ios::binary)
                << pw::bench::PhotoBitmap(160, 120);
            layout += "[ WINDOW\r\n  Type = 0, " + std::to_string(number++) +
                      "\r\n  Format = 0, 2\r\n  Position = " + std::to_string(420 + 10 * i) + ", " +
                      std::to_string(130 * i) + ", " + std::to_string(579 + 10 * i) + ", " +
                      std::to_string(130 * i + 119) + "\r\n  BMP = 0, 256, 0\r\n|C:\\KVP\\Work\\" +
                      name + "|\r\nWINDOW END ]\r\n\r\n";
        }
        std::ofstream(root / "KVP/Work/job.dcf", std::ios::binary) << layout;
        return root;
    }();
    return root;
}

int RunTool(const QStringList& arguments) {
    QProcess tool;
    tool.setStandardOutputFile(QProcess::nullDevice());
    tool.setStandardErrorFile(QProcess::nullDevice());
    tool.start(PW_CLI_PATH,
               QStringList{"--drive-c", QString::fromStdString(Drive().string())} + arguments);
    tool.waitForFinished(-1);
    return tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
}

void BM_GenerateProcess(benchmark::State& state) {
    pw::EnsureGuiApplication();
    for (auto _ : state)
        if (RunTool({"generate", kJob, "--replace-backups"}) != 0)
            state.SkipWithError("panelwright-cli generate failed");
}
void BM_GenerateInProcess(benchmark::State& state) {
    Drive();
    std::ostringstream out, err;
    pw::CliContext context{out, err, pw::CliHost(err)};
    pw::CliEditor cli(context);
    cli.Load(kJob);
    context.host.answer = pw::Answer::Yes;
    pw::GcryptHasher hasher;
    for (auto _ : state) pw::GenerateFiles(cli.editor(), pw::NoProgress(), hasher);
}
void BM_ToolStart(benchmark::State& state) {
    pw::EnsureGuiApplication();
    for (auto _ : state) RunTool({"--version"});
}
// The lobby example, in one process: the all-or-nothing deployment (staged, read back,
// decoded, drawn from its files and compared, recorded) against the same files written
// straight into the display folder. The CPU time is the whole process's, as the disk is
// waited for on threads of its own.
void LobbyEditor(pw::CliEditor& cli) {
    Drive();
    std::filesystem::copy_file(PW_EXAMPLES_DIR "/lobby.dcf", Drive() / "KVP/Work/lobby.dcf",
                               std::filesystem::copy_options::overwrite_existing);
    cli.Load("C:\\KVP\\Work\\lobby.dcf");
}
// On a site the last deployment's files reached the disk long before the next Generate; here
// the runs follow each other within milliseconds, and files deleted before the system wrote
// them cost nothing to delete. Each run therefore starts, untimed, with the display and
// backup folders on the disk, for every way of writing alike, and with the old backup the last
// run left to go after it returned gone, as it is long gone on a site. Nor does a site deploy a
// hundred times a second: the records of earlier runs go, so that each run's record is the
// first of its second, as it is on a site.
void SettleOnDisk(benchmark::State& state) {
    state.PauseTiming();
    pw::AwaitDeploymentCleanup();
    for (const char* folder : {pw::kDisplayFolder, pw::kBackupFolder})
        if (pw::FolderExists(folder)) pw::FlushFolderToDisk(folder);
    std::error_code ignored;
    for (const auto& record : std::filesystem::directory_iterator(pw::RecordsFolder(), ignored))
        std::filesystem::remove(record.path(), ignored);
    state.ResumeTiming();
}
void BM_GenerateLobby(benchmark::State& state) {
    std::ostringstream out, err;
    pw::CliContext context{out, err, pw::CliHost(err)};
    pw::CliEditor cli(context);
    LobbyEditor(cli);
    context.host.answer = pw::Answer::Yes;
    pw::GcryptHasher hasher;
    for (auto _ : state) {
        SettleOnDisk(state);
        pw::GenerateFiles(cli.editor(), pw::NoProgress(), hasher);
    }
}
// The same, but what is written is left to the system to put on the disk when it will: what
// the read-back, decoding, drawing and swap cost besides waiting for the disk.
class UnflushedFs final : public pw::DeployFs {
public:
    void MakeFolder(const std::string& p) override { pw::DiskFs().MakeFolder(p); }
    void WriteFile(const std::string& p, const std::string& b) override {
        pw::DiskFs().WriteFile(p, b);
    }
    std::future<void> Flush(const std::string&) override {
        std::promise<void> done;
        done.set_value();
        return done.get_future();
    }
    void Rename(const std::string& a, const std::string& b) override { pw::DiskFs().Rename(a, b); }
    void RemoveFile(const std::string& p) override { pw::DiskFs().RemoveFile(p); }
    void RemoveTree(const std::string& p) override { pw::DiskFs().RemoveTree(p); }
    std::future<void> RemoveTreesLater(std::vector<std::string> p) override {
        return pw::DiskFs().RemoveTreesLater(std::move(p));
    }
    void RemoveEmptyFolder(const std::string& p) override { pw::DiskFs().RemoveEmptyFolder(p); }
    std::string ReadFile(const std::string& p, std::size_t max) override {
        return pw::DiskFs().ReadFile(p, max);
    }
};
void BM_GenerateLobbyUnflushed(benchmark::State& state) {
    std::ostringstream out, err;
    pw::CliContext context{out, err, pw::CliHost(err)};
    pw::CliEditor cli(context);
    LobbyEditor(cli);
    context.host.answer = pw::Answer::Yes;
    pw::GcryptHasher hasher;
    UnflushedFs fs;
    for (auto _ : state) {
        SettleOnDisk(state);
        pw::GenerateFiles(cli.editor(), pw::NoProgress(), hasher, fs);
    }
}
void BM_GenerateLobbyDirectly(benchmark::State& state) {
    std::ostringstream out, err;
    pw::CliContext context{out, err, pw::CliHost(err)};
    pw::CliEditor cli(context);
    LobbyEditor(cli);
    for (auto _ : state) {
        SettleOnDisk(state);
        pw::reference::GenerateFilesDirectly(cli.editor());
    }
}
BENCHMARK(BM_GenerateLobby)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_GenerateLobbyUnflushed)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_GenerateLobbyDirectly)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_GenerateProcess)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GenerateInProcess)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ToolStart)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return pw::bench::RunWithRatios(
        argc, argv,
        {{"BM_GenerateInProcess", "BM_GenerateProcess",
          "panelwright-cli generate: times the generation alone"},
         {"BM_ToolStart", "BM_GenerateProcess", "panelwright-cli generate: times a bare start"},
         {"BM_GenerateLobbyDirectly", "BM_GenerateLobby",
          "lobby: all-or-nothing deployment / files written straight in"},
         {"BM_GenerateLobbyDirectly", "BM_GenerateLobbyUnflushed",
          "lobby: the same without waiting for the disk / straight in"}});
}
