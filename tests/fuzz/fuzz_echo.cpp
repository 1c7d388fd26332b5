// The echo comparison and the send-and-verify routine against a device whose answers come from
// the input: the first 33 bytes are the report sent, then each answer is one control byte
// (timeout, failed read, failed write, the report itself, or the bytes that follow) and, for
// bytes, 33 of them. Every wait runs on the virtual clock.

#include "device/clock.h"
#include "device/device_link.h"
#include "device/transfer.h"
#include "storage/app_paths.h"
#include "storage/ini_file.h"
#include "storage/settings_file.h"
#include "support/fake_hid.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Rig {
    QTemporaryDir dir;
    VirtualClock clock;
    FakeHidBackend backend;
    std::shared_ptr<FakeHidChannel> command;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<VerifiedTransfer> transfer;

    Rig()
    {
        AppPaths::setDataDirOverride(dir.path());
        AppPaths::init();
        AppPaths::prepareDataFolder();
        {
            IniFile ini(settingsFilePath(), IniFile::Access::Update);
            ini.settings().setValue("Mouse_List/0", "Fuzz Mouse");
            ini.settings().setValue("Config/CurrentProductName", "Fuzz Mouse");
        }
        setDeviceClock(&clock);
        backend.addCollection("/dev/hidraw0&col01", 0x248A, 0xFA02, 1, 2, 1);
        command = backend.addCollection("/dev/hidraw0&col04", 0x248A, 0xFA02, 1, 0, 4);
        link = std::make_unique<DeviceLink>(backend);
        link->loadMouseList(readAppSettings().mouseListName);
        link->enumerateMice();
        link->openMouse(readCurrentProductName());
        transfer = std::make_unique<VerifiedTransfer>(*link);
        if (!link->commandHandle())
            std::abort();
    }
};

Rig *g_rig = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    g_rig = new Rig;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < kReportLength)
        return 0;
    Report sent{};
    std::memcpy(sent.data(), data, kReportLength);

    // The comparison alone: a report always matches itself, and the result is one of three.
    Report other{};
    std::memcpy(other.data(), data + size - std::min<size_t>(size, kReportLength), std::min<size_t>(size, kReportLength));
    const bool checkData = data[0] & 1;
    if (compareEcho(sent.data(), sent.data(), checkData) != 0)
        std::abort();
    const int compared = compareEcho(sent.data(), other.data(), checkData);
    if (compared < 0 || compared > 2)
        std::abort();

    FakeHidChannel &c = *g_rig->command;
    c.writes.clear();
    c.reads.clear();
    c.writeResults.clear();
    c.readCalls = 0;
    c.failedReads = 0;
    c.readTimes.clear();
    size_t pos = kReportLength;
    while (pos < size) {
        const uint8_t control = data[pos++];
        switch (control % 5) {
        case 0:
            c.reads.push_back({0, Report{}});
            break;
        case 1:
            c.queueError();
            break;
        case 2:
            c.queueWriteResult(-1);
            break;
        case 3: {
            Report echo = sent;
            echo[1] = reportChecksum(echo.data());
            c.queueReply(echo);
            break;
        }
        default: {
            Report reply{};
            const size_t n = std::min<size_t>(kReportLength, size - pos);
            std::memcpy(reply.data(), data + pos, n);
            pos += n;
            c.queueReply(reply);
            break;
        }
        }
    }
    const uint8_t result = g_rig->transfer->sendCommand(sent.data(), kReportLength);
    if (result != 0 && result != 2 && result != 4)
        std::abort();
    // Rereads and rewrites are bounded whatever the device answers. The zero-reply count starts
    // again after every mismatch, so the bound is the product of the limits: 1 write, 3
    // rewrites, 6 zero-reply rewrites after each of the 20 header and 3 data mismatches.
    constexpr size_t kMaxWrites = 1 + 3 + 6 * (20 + 3 + 1);
    constexpr int kMaxReads = int(kMaxWrites) * 30 + 20;
    if (c.writes.size() > kMaxWrites || c.readCalls > kMaxReads) {
        std::fprintf(stderr, "%zu writes, %d reads\n", c.writes.size(), c.readCalls);
        std::abort();
    }
    return 0;
}
