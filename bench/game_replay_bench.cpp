// Replays a scripted game on the simulated host and reports what it cost: the process
// CPU time against the virtual game time it covered. A figure to watch, not a test.
//
// Usage: game_replay_bench [start level] [table] [seed] [stop at level, 0: play on until
// the field is full]. By default the player plays from level 1 and presses Esc when
// level 21 comes up.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "game/loop.h"
#include "tests/support/auto_player.h"
#include "tests/support/recording_view.h"
#include "tests/support/sim_host.h"

int main(int argc, char** argv) {
    using quorelin::testing::AutoPlayer;
    using quorelin::testing::RecordingView;
    using quorelin::testing::SimHost;

    const int startLevel = argc > 1 ? std::atoi(argv[1]) : 1;
    const int table = argc > 2 ? std::atoi(argv[2]) : 7;
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 2024;
    const int stopAtLevel = argc > 4 ? std::atoi(argv[4]) : 21;

    quorelin::Settings settings;
    settings.Language = 1;
    settings.WindowMode = 1;
    settings.ColorScheme = 1;
    settings.ScreenHeight = 768;
    settings.ScreenWidth = 1024;
    quorelin::GameState state;
    state.TableNumber = table;
    state.GameKind = 1;
    state.StartLevel = startLevel;
    quorelin::InputRequests input;

    SimHost host(seed);
    host.SetClock(9, 30, 0);
    RecordingView view(host);
    view.SetLogging(false);
    AutoPlayer player(host, view, input, state);
    player.StopAtLevel(stopAtLevel);
    player.Attach();

    const std::clock_t cpuStart = std::clock();
    quorelin::PlayGame(host, view, settings, state, input);
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;

    const auto& c = host.counters();
    std::printf("table %d, start level %d, level reached %d, levels completed %d, %s\n", table,
                startLevel, state.StartLevel, view.levelsCompleted(),
                state.GameOver ? "ended with a full field" : "stopped with Esc");
    std::printf("blocks %d, keys %d, total score %d\n", view.blocksEntered(), player.keysPressed(),
                state.LevelScore);
    std::printf("virtual game time %.1f s\n", static_cast<double>(host.ElapsedMs()) / 1000.0);
    std::printf("clock reads %lld, idle waits %lld, pumps %lld, sleeps %lld\n",
                static_cast<long long>(c.nowCalls), static_cast<long long>(c.idleWaits),
                static_cast<long long>(c.pumps), static_cast<long long>(c.sleeps));
    std::printf("process CPU time %.3f s\n", cpuSeconds);
    return 0;
}
