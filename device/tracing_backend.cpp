#include "device/tracing_backend.h"

#include "device/trace.h"

#include <QFile>

#include <mutex>

class TransferLog {
public:
    bool open(const QString &path)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_file.close();
        m_file.setFileName(path);
        return m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
    }

    void write(const QString &line)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_file.isOpen())
            return;
        m_file.write(line.toLatin1());
        m_file.write("\n");
        // Flushed per line so that an interrupted run (watch) keeps everything it did.
        m_file.flush();
    }

private:
    std::mutex m_mutex;
    QFile m_file;
};

namespace {

class TracingDevice : public HidDevice {
public:
    TracingDevice(std::unique_ptr<HidDevice> inner, std::shared_ptr<TransferLog> log)
        : m_inner(std::move(inner)), m_log(std::move(log))
    {
    }

    int write(const uint8_t *data, size_t length) override
    {
        const int result = m_inner->write(data, length);
        m_log->write(transferLogLine('W', data, static_cast<int>(length)));
        return result;
    }

    int readTimeout(uint8_t *data, size_t length, int timeoutMs) override
    {
        const int result = m_inner->readTimeout(data, length, timeoutMs);
        m_log->write(transferLogLine(result > 0 ? 'R' : 'T', data, result));
        return result;
    }

private:
    std::unique_ptr<HidDevice> m_inner;
    std::shared_ptr<TransferLog> m_log;
};

} // namespace

QString transferLogLine(char kind, const uint8_t *data, int length)
{
    if (kind == 'T')
        return QStringLiteral("T");
    return QString(QLatin1Char(kind)) + QLatin1Char(' ') + reportHex(data, length, HexCase::Upper);
}

TracingBackend::TracingBackend(HidBackend &inner)
    : m_inner(inner), m_log(std::make_shared<TransferLog>())
{
}

TracingBackend::~TracingBackend() = default;

bool TracingBackend::openLog(const QString &path) { return m_log->open(path); }

std::unique_ptr<HidDevice> TracingBackend::open(const std::string &path)
{
    std::unique_ptr<HidDevice> device = m_inner.open(path);
    if (!device)
        return nullptr;
    return std::make_unique<TracingDevice>(std::move(device), m_log);
}
