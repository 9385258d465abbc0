// The test build checks the standard library's preconditions: a reversed std::clamp range or an
// index past a vector's end aborts at once, instead of going on with undefined behaviour that a
// test may never notice. Exit code 0 when both abort.

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Read at run time, so the compiler cannot see the fault coming.
volatile int g_low = 2;
volatile int g_high = 0;

bool Aborts(void (*fault)())
{
    const pid_t child = fork();
    if (child == 0) {
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        fault();
        _exit(0);
    }
    int status = 0;
    return child > 0 && waitpid(child, &status, 0) == child && WIFSIGNALED(status) && WTERMSIG(status) == SIGABRT;
}

} // namespace

int main()
{
    const bool clamp = Aborts([] { std::printf("clamp: %d\n", std::clamp(1, int(g_low), int(g_high))); });
    const bool index = Aborts([] {
        const std::vector<int> values(2);
        std::printf("index: %d\n", values[size_t(g_low)]);
    });
    if (clamp && index)
        return 0;
    std::fprintf(stderr, "standard library preconditions are not checked (built without _GLIBCXX_ASSERTIONS)\n");
    return 1;
}
