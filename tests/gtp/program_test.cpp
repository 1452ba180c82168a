// The real talvex-gtp through pipes: quit, end of input, SIGTERM, its options.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

struct Finished {
    int exitCode = -1;  // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

bool ReadSome(int fd, std::string& text) {
    char buffer[4096];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    text.append(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
    return n > 0;
}

// Runs talvex-gtp on `input`. With `term`, sends SIGTERM after the first reply (10 s at most).
Finished RunProgram(std::vector<std::string> arguments, const std::string& input,
                    bool term = false) {
    // A program that refuses its options exits before reading: a write must not kill the test.
    signal(SIGPIPE, SIG_IGN);
    int in[2], out[2], err[2];
    EXPECT_EQ(pipe(in) | pipe(out) | pipe(err), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
            close(fd);
        }
        std::vector<char*> argv{const_cast<char*>(TALVEX_GTP_PROGRAM)};
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    for (int fd : {in[0], out[1], err[1]}) {
        close(fd);
    }
    Finished done;
    [[maybe_unused]] const ssize_t written = write(in[1], input.data(), input.size());
    for (int tries = 0; term && tries < 100 && !done.out.ends_with("\n\n"); ++tries) {
        pollfd ready{out[0], POLLIN, 0};
        if (poll(&ready, 1, 100) > 0 && !ReadSome(out[0], done.out)) {
            break;
        }
    }
    if (term) {
        kill(pid, SIGTERM);
    }
    close(in[1]);
    while (ReadSome(out[0], done.out)) {
    }
    while (ReadSome(err[0], done.err)) {
    }
    int status = 0;
    waitpid(pid, &status, 0);
    close(out[0]);
    close(err[0]);
    done.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return done;
}

TEST(ProgramTest, QuitOrEndOfInputExitsZero) {
    const Finished quit = RunProgram({}, "1 name\n2 play b D4\n3 quit\n4 name\n");
    EXPECT_EQ(quit.exitCode, 0);
    EXPECT_EQ(quit.out, "=1 Talvex Go\n\n=2\n\n=3\n\n");
    EXPECT_EQ(quit.err, "");
    const Finished ended = RunProgram({}, "version\n");
    EXPECT_EQ(ended.exitCode, 0);
    EXPECT_EQ(ended.out, "= 1.01\n\n");
}

TEST(ProgramTest, TermSignalExitsZero) {
    const Finished done = RunProgram({}, "name\n", true);
    EXPECT_EQ(done.out, "= Talvex Go\n\n");
    EXPECT_EQ(done.exitCode, 0);
}

TEST(ProgramTest, SameSeedSameGame) {
    const std::string game = "genmove b\ngenmove w\ngenmove b\nplay w K10\ngenmove b\ngenmove w\n";
    const Finished first = RunProgram({"--seed", "77"}, game);
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_EQ(first.out.find('?'), std::string::npos) << first.out;
    EXPECT_EQ(RunProgram({"--seed=77"}, game).out, first.out);
}

TEST(ProgramTest, OptionsAndTheirErrors) {
    const Finished help = RunProgram({"--help"}, "");
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("--seed N"), std::string::npos);
    const std::vector<std::vector<std::string>> wrong = {
        {"--frob"}, {"--seed"}, {"--seed", "x"}, {"--seed=-1"}, {"--seed", "4294967296"}};
    for (const auto& arguments : wrong) {
        const Finished done = RunProgram(arguments, "name\n");
        EXPECT_EQ(done.exitCode, 2) << arguments[0];
        EXPECT_EQ(done.out, "");
        EXPECT_NE(done.err.find("talvex-gtp: "), std::string::npos);
    }
}

}  // namespace
