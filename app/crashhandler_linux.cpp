#include "crashhandler.h"

#include <QDebug>
#include <QFile>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <cstdint>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <ucontext.h>
#include <unistd.h>

// After a fault the heap, the locale and Qt may be in any state: the handler
// uses async-signal-safe calls only, on buffers prepared at install time.
namespace {

constexpr int pathCapacity = 4096;
constexpr int textCapacity = 2 * pathCapacity;
constexpr int maxFrames = 64;
constexpr size_t altStackSize = 256 * 1024;
const int fatalSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

char dumpDirs[2][pathCapacity];
char boxProgram[pathCapacity];
char boxText[textCapacity];
char *boxArgv[] = {boxProgram, boxText, nullptr};
long utcOffsetSeconds = 0;
bool altStackReady = false;
std::atomic_flag reporting = ATOMIC_FLAG_INIT;

// Appends to a fixed buffer, cutting off what does not fit.
class FixedText
{
public:
    FixedText(char *buffer, int capacity)
        : m_buffer(buffer)
        , m_capacity(capacity)
    {
        m_buffer[0] = '\0';
    }

    FixedText &add(const char *text)
    {
        while (*text && m_length < m_capacity - 1)
            m_buffer[m_length++] = *text++;
        m_buffer[m_length] = '\0';
        return *this;
    }

    FixedText &addNumber(uintptr_t value, unsigned base, int minDigits = 1)
    {
        char digits[2 * sizeof(value) * 4 + 1];
        int count = 0;
        do {
            digits[count++] = "0123456789abcdef"[value % base];
            value /= base;
        } while (value != 0 || count < minDigits);
        char reversed[sizeof(digits)];
        for (int i = 0; i < count; ++i)
            reversed[i] = digits[count - 1 - i];
        reversed[count] = '\0';
        return add(reversed);
    }

    const char *data() const { return m_buffer; }
    int length() const { return m_length; }

private:
    char *m_buffer;
    int m_capacity;
    int m_length = 0;
};

void writeAll(int fd, const char *data, size_t length)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, data, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        data += written;
        length -= size_t(written);
    }
}

const char *signalName(int signal)
{
    switch (signal) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGABRT: return "SIGABRT";
    default: return "?";
    }
}

uintptr_t programCounter(const void *context)
{
    const auto *uc = static_cast<const ucontext_t *>(context);
#if defined(__x86_64__)
    return uintptr_t(uc->uc_mcontext.gregs[REG_RIP]);
#elif defined(__i386__)
    return uintptr_t(uc->uc_mcontext.gregs[REG_EIP]);
#elif defined(__aarch64__)
    return uintptr_t(uc->uc_mcontext.pc);
#else
    (void)uc;
    return 0;
#endif
}

// "yyyyMMddhhmmss.dmp" in local time, from the offset taken at install time.
void addDumpName(FixedText &name)
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    const long long local = (long long)now.tv_sec + utcOffsetSeconds;
    long long days = local / 86400;
    long long seconds = local % 86400;
    if (seconds < 0) {
        seconds += 86400;
        --days;
    }
    // Civil date from days since 1970-01-01 (proleptic Gregorian).
    const long long z = days + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned dayOfEra = unsigned(z - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const long long year = (long long)yearOfEra + era * 400 + (month <= 2 ? 1 : 0);

    name.addNumber(uintptr_t(year), 10, 4).addNumber(month, 10, 2).addNumber(day, 10, 2);
    name.addNumber(uintptr_t(seconds / 3600), 10, 2).addNumber(uintptr_t(seconds / 60 % 60), 10, 2);
    name.addNumber(uintptr_t(seconds % 60), 10, 2).add(".dmp");
}

void writeReport(int fd, int signal, const siginfo_t *info, uintptr_t pc)
{
    char buffer[512];
    FixedText report(buffer, sizeof(buffer));
    report.add("Nocturnix crash report\n");
    report.add("signal: ").addNumber(uintptr_t(signal), 10).add(" (").add(signalName(signal)).add(")\n");
    report.add("code: ").add(info->si_code < 0 ? "-" : "");
    report.addNumber(uintptr_t(info->si_code < 0 ? -info->si_code : info->si_code), 10).add("\n");
    // Only the kernel's own fault reports carry an address; the others name their sender.
    if (info->si_code > 0)
        report.add("fault address: 0x").addNumber(uintptr_t(info->si_addr), 16).add("\n");
    else
        report.add("sent by process: ").addNumber(uintptr_t(info->si_pid), 10).add("\n");
    report.add("instruction address: 0x").addNumber(pc, 16).add("\n");
    report.add("process: ").addNumber(uintptr_t(getpid()), 10).add("\n");
    report.add("backtrace:\n");
    writeAll(fd, report.data(), size_t(report.length()));

    void *frames[maxFrames];
    const int count = backtrace(frames, maxFrames);
    backtrace_symbols_fd(frames, count, fd);
}

// Tries the dump directories in turn. path receives the file written, or
// the first one tried when none could be.
bool saveDump(int signal, const siginfo_t *info, uintptr_t pc, char *path)
{
    char nameBuffer[32];
    FixedText name(nameBuffer, sizeof(nameBuffer));
    addDumpName(name);

    for (const char *dir : dumpDirs) {
        if (!dir[0])
            continue;
        FixedText candidate(path, pathCapacity);
        candidate.add(dir).add("/").add(name.data());
        const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0)
            continue;
        writeReport(fd, signal, info, pc);
        ::close(fd);
        return true;
    }
    FixedText(path, pathCapacity).add(dumpDirs[0][0] ? dumpDirs[0] : dumpDirs[1]).add("/").add(name.data());
    return false;
}

// The box runs in a fresh process: this one may hold any lock. _Fork, unlike
// fork, runs no fork handlers and so may be called here.
void showBox()
{
    if (!boxProgram[0])
        return;
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    const pid_t child = _Fork();
#else
    const pid_t child = fork();
#endif
    if (child < 0)
        return;
    if (child == 0) {
        // The handled signal is blocked here and a blocked mask survives exec.
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
        close_range(3, ~0U, 0);
#endif
        execv(boxProgram, boxArgv);
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

void onFatalSignal(int signal, siginfo_t *info, void *context)
{
    // A second thread faulting meanwhile waits for the first report to end the process.
    if (reporting.test_and_set()) {
        for (;;)
            pause();
    }
    const uintptr_t pc = programCounter(context);
    char path[pathCapacity];
    const bool saved = saveDump(signal, info, pc, path);

    FixedText text(boxText, textCapacity);
    text.add("error code:").addNumber(uintptr_t(signal), 16).add(". address:").addNumber(pc, 16).add(" \r\n");
    text.add(saved ? CrashHandler::savedText : CrashHandler::notSavedText).add(path);
    writeAll(STDERR_FILENO, text.data(), size_t(text.length()));
    writeAll(STDERR_FILENO, "\n", 1);

    showBox();
    _exit(128 + signal);
}

bool copyPath(const QString &path, char *target)
{
    const QByteArray bytes = QFile::encodeName(path);
    // Room for "/yyyyMMddhhmmss.dmp" must stay.
    if (bytes.size() >= pathCapacity - 32 || bytes.contains('\0'))
        return false;
    memcpy(target, bytes.constData(), size_t(bytes.size()) + 1);
    return true;
}

bool prepareAltStack()
{
    if (altStackReady)
        return true;
    // One guard page below, so a handler that overran its stack faults
    // instead of writing over whatever lies beneath.
    const size_t page = size_t(sysconf(_SC_PAGESIZE));
    void *memory = mmap(nullptr, altStackSize + page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED)
        return false;
    mprotect(memory, page, PROT_NONE);
    stack_t stack {};
    stack.ss_sp = static_cast<char *>(memory) + page;
    stack.ss_size = altStackSize;
    if (sigaltstack(&stack, nullptr) != 0) {
        munmap(memory, altStackSize + page);
        return false;
    }
    altStackReady = true;
    return true;
}

} // namespace

bool CrashHandler::install(const QString &dumpDir, const QString &fallbackDir, const QString &program)
{
    if (!copyPath(dumpDir, dumpDirs[0]) || !copyPath(fallbackDir, dumpDirs[1]) || !copyPath(program, boxProgram)) {
        qWarning() << "crash handler not installed: path too long";
        return false;
    }

    const time_t now = time(nullptr);
    tm local {};
    localtime_r(&now, &local);
    utcOffsetSeconds = local.tm_gmtoff;

    // The first backtrace() loads the unwinder, which allocates; do it now.
    void *frames[1];
    backtrace(frames, 1);

    // Without its own stack the handler could not run after a stack overflow.
    // The stack belongs to this thread; other threads' overflows end unreported.
    if (!prepareAltStack())
        qWarning() << "crash handler: no alternate signal stack";

    struct sigaction action {};
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    // A fault inside the handler then ends the process instead of recursing.
    for (int signal : fatalSignals)
        sigaddset(&action.sa_mask, signal);
    bool ok = true;
    for (int signal : fatalSignals)
        ok = sigaction(signal, &action, nullptr) == 0 && ok;
    return ok;
}
