#include "PtyTransport.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace unitsim {

namespace {

struct SpeedName {
    speed_t code;
    int rate;
};

constexpr SpeedName Speeds[] = {{B1200, 1200},   {B2400, 2400},     {B4800, 4800},
                                {B9600, 9600},   {B19200, 19200},   {B38400, 38400},
                                {B57600, 57600}, {B115200, 115200}, {B230400, 230400}};

speed_t CodeOf(int rate) {
    for (const auto& s : Speeds)
        if (s.rate == rate)
            return s.code;
    return B9600;
}

int RateOf(speed_t code) {
    for (const auto& s : Speeds)
        if (s.code == code)
            return s.rate;
    return 0;
}

void MakeRaw(int fd, int rate) {
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return;
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    cfsetispeed(&t, CodeOf(rate));
    cfsetospeed(&t, CodeOf(rate));
    tcsetattr(fd, TCSANOW, &t);
}

} // namespace

PtyTransport::PtyTransport(QObject* parent) : LinkTransport(parent) {
    drainTimer_.setInterval(5);
    connect(&drainTimer_, &QTimer::timeout, this, &PtyTransport::Drain);
}

PtyTransport::~PtyTransport() {
    Close();
}

QString PtyTransport::OpenPty(int rate) {
    Close();
    rate_ = rate;
    fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0 || grantpt(fd_) != 0 || unlockpt(fd_) != 0) {
        error_ = QStringLiteral("cannot create a pseudo-terminal");
        Close();
        return {};
    }
    const QString path = QString::fromLocal8Bit(ptsname(fd_));
    slaveFd_ = ::open(ptsname(fd_), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slaveFd_ >= 0)
        MakeRaw(slaveFd_, rate);
    Listen();
    return path;
}

bool PtyTransport::Open(const QString& path, int rate) {
    Close();
    rate_ = rate;
    fd_ = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0) {
        error_ = QStringLiteral("cannot open %1: %2").arg(path, QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    MakeRaw(fd_, rate);
    Listen();
    return true;
}

void PtyTransport::Listen() {
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &PtyTransport::OnReadable);
    clock_.start();
    drainTimer_.start();
}

void PtyTransport::Close() {
    drainTimer_.stop();
    notifier_.reset();
    if (fd_ >= 0)
        ::close(fd_);
    if (slaveFd_ >= 0)
        ::close(slaveFd_);
    fd_ = slaveFd_ = -1;
    pending_.clear();
    inbox_.clear();
}

int PtyTransport::LineSpeed() const {
    termios t{};
    const int fd = slaveFd_ >= 0 ? slaveFd_ : fd_;
    if (fd < 0 || tcgetattr(fd, &t) != 0)
        return 0;
    return RateOf(cfgetispeed(&t));
}

void PtyTransport::OnReadable() {
    char buffer[4096];
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n <= 0) {
        if (n < 0 && errno == EAGAIN)
            return;
        // EIO: nobody has the slave open. We hold it ourselves, so this only
        // happens on a real device that went away.
        if (slaveFd_ < 0) {
            Close();
            emit Lost(QStringLiteral("line closed"));
        }
        return;
    }
    if (LineSpeed() != rate_)
        return; // noise to a unit listening at another rate
    totalReceived_ += n;
    if (!paced_)
        return emit BytesArrived(QByteArray(buffer, static_cast<qsizetype>(n)));
    if (inbox_.isEmpty())
        received_ = {clock_.elapsed(), 0};
    inbox_.append(buffer, static_cast<qsizetype>(n));
    Deliver();
}

void PtyTransport::Write(const QByteArray& bytes) {
    if (fd_ < 0)
        return;
    if (LineSpeed() != rate_)
        return; // the host hears nothing sensible at another rate
    pending_.append(bytes);
    Drain();
}

void PtyTransport::Drain() {
    Send();
    Deliver();
}

void PtyTransport::Send() {
    if (fd_ < 0 || pending_.isEmpty()) {
        sent_ = {clock_.elapsed(), 0};
        return;
    }
    qsizetype allowed = pending_.size();
    if (paced_) {
        allowed = std::min(allowed, sent_.Allowed(clock_.elapsed(), rate_));
        if (allowed <= 0)
            return;
    }
    const ssize_t n = ::write(fd_, pending_.constData(), static_cast<size_t>(allowed));
    if (n > 0) {
        pending_.remove(0, n);
        sent_.used += n;
        totalSent_ += n;
    }
}

void PtyTransport::Deliver() {
    if (inbox_.isEmpty())
        return;
    const qsizetype allowed = std::min(inbox_.size(), received_.Allowed(clock_.elapsed(), rate_));
    if (allowed <= 0)
        return;
    const QByteArray bytes = inbox_.left(allowed);
    inbox_.remove(0, allowed);
    received_.used += allowed;
    emit BytesArrived(bytes);
}

} // namespace unitsim
