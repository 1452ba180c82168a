// The real talvex-gtp through pipes: quit, end of input, SIGTERM, its options.
#include <gtest/gtest.h>

#include <fcntl.h>
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

// Reads what is there on `fd` into `text`; false at its end.
bool ReadSome(int fd, std::string& text) {
    char buffer[4096];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n > 0) {
        text.append(buffer, static_cast<std::size_t>(n));
    }
    return n > 0;
}

class Program {
  public:
    explicit Program(std::vector<std::string> arguments) {
        // A program that refuses its options exits before reading: writing to it must fail
        // with an error here, not end the test process.
        signal(SIGPIPE, SIG_IGN);
        int in[2], out[2], err[2];
        EXPECT_EQ(pipe(in) | pipe(out) | pipe(err), 0);
        pid_ = fork();
        if (pid_ == 0) {
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
        close(in[0]);
        close(out[1]);
        close(err[1]);
        in_ = in[1];
        out_ = out[0];
        err_ = err[0];
    }

    bool Write(const std::string& text) {
        return write(in_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    }

    // Waits (10 s at most) for the first reply.
    std::string ReadReply() {
        for (int tries = 0; tries < 100 && out_text_.find("\n\n") == std::string::npos; ++tries) {
            pollfd p{out_, POLLIN, 0};
            if (poll(&p, 1, 100) > 0 && !ReadSome(out_, out_text_)) {
                break;
            }
        }
        return out_text_;
    }

    void Signal(int signal) { kill(pid_, signal); }

    Finished Finish() {
        close(in_);
        while (ReadSome(out_, out_text_)) {
        }
        Finished done;
        while (ReadSome(err_, done.err)) {
        }
        int status = 0;
        waitpid(pid_, &status, 0);
        close(out_);
        close(err_);
        done.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        done.out = out_text_;
        return done;
    }

  private:
    pid_t pid_ = -1;
    int in_ = -1, out_ = -1, err_ = -1;
    std::string out_text_;
};

Finished RunProgram(std::vector<std::string> arguments, const std::string& input) {
    Program program(std::move(arguments));
    program.Write(input);
    return program.Finish();
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
    Program program({});
    ASSERT_TRUE(program.Write("name\n"));
    ASSERT_EQ(program.ReadReply(), "= Talvex Go\n\n");
    program.Signal(SIGTERM);
    EXPECT_EQ(program.Finish().exitCode, 0);
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
    for (const std::vector<std::string>& wrong : {std::vector<std::string>{"--frob"},
                                                  {"--seed"},
                                                  {"--seed", "x"},
                                                  {"--seed=-1"},
                                                  {"--seed", "4294967296"}}) {
        const Finished done = RunProgram(wrong, "name\n");
        EXPECT_EQ(done.exitCode, 2) << wrong[0];
        EXPECT_EQ(done.out, "");
        EXPECT_NE(done.err.find("talvex-gtp: "), std::string::npos);
    }
}

}  // namespace
