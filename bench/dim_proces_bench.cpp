// The DIM batch as a calling program runs it: the executable started on an exchange file of
// 10,000 generated mixed sections, timed from the start of the process to the written file
// (wall-clock time). The executable runs as a copy in a temporary folder with the catalogue
// files; NMK_PROGRAM names another executable to measure (an older build, for comparison),
// and the literal scans run when NMK_PRETRAGA=doslovno is set as for the program itself.

#include "dim_ulaz.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kPresjeka = 10000;

// Starts the program with the argument DIM, its output to /dev/null; the exit status.
int Pokreni(const fs::path& program) {
    posix_spawn_file_actions_t akcije;
    posix_spawn_file_actions_init(&akcije);
    posix_spawn_file_actions_addopen(&akcije, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&akcije, 2, "/dev/null", O_WRONLY, 0);
    const std::string putanja = program.string();
    char ime[] = "nosivometrik";
    char rezim[] = "DIM";
    char* argv[] = {ime, rezim, nullptr};
    pid_t pid = 0;
    const int greska = posix_spawn(&pid, putanja.c_str(), &akcije, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&akcije);
    if (greska != 0)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

void DimProces(benchmark::State& state) {
    const char* drugi = std::getenv("NMK_PROGRAM");
    const fs::path izvor = drugi ? fs::path(drugi) : fs::path(NMK_BIN_DIR) / "nosivometrik";
    const fs::path folder =
        fs::temp_directory_path() / ("nmk_dim_proces_" + std::to_string(getpid()));
    fs::create_directories(folder);
    for (const char* ime : {"Beton.mtr", "Celik.mtr"})
        fs::copy_file(izvor.parent_path() / ime, folder / ime,
                      fs::copy_options::overwrite_existing);
    fs::copy_file(izvor, folder / "nosivometrik", fs::copy_options::overwrite_existing);
    const std::string ulaz = nmk::bench::GenerisiDim(kPresjeka);
    for (auto _ : state) {
        state.PauseTiming();
        std::ofstream(folder / "~Presjeci.prs", std::ios::binary) << ulaz;
        state.ResumeTiming();
        if (Pokreni(folder / "nosivometrik") != 0) {
            state.SkipWithError("the DIM batch did not end with status 0");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * kPresjeka);
    fs::remove_all(folder);
}
BENCHMARK(DimProces)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
