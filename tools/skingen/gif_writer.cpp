#include "gif_writer.h"

#include <unordered_map>

namespace {

constexpr int kMinCodeSize = 8;
constexpr uint32_t kClearCode = 1u << kMinCodeSize;
constexpr uint32_t kEndCode = kClearCode + 1;
constexpr uint32_t kMaxCode = 4095;

class BitSink {
public:
    void write(uint32_t code, int bits)
    {
        m_uAccumulator |= code << m_iBits;
        m_iBits += bits;
        while (m_iBits >= 8) {
            pushByte(static_cast<uint8_t>(m_uAccumulator & 0xFF));
            m_uAccumulator >>= 8;
            m_iBits -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_iBits > 0)
            pushByte(static_cast<uint8_t>(m_uAccumulator & 0xFF));
        flushBlock();
        m_Out.append('\0'); // block terminator
        return m_Out;
    }

private:
    void pushByte(uint8_t byte)
    {
        m_Block.append(static_cast<char>(byte));
        if (m_Block.size() == 255)
            flushBlock();
    }
    void flushBlock()
    {
        if (m_Block.isEmpty())
            return;
        m_Out.append(static_cast<char>(m_Block.size()));
        m_Out.append(m_Block);
        m_Block.clear();
    }

    uint32_t m_uAccumulator = 0;
    int m_iBits = 0;
    QByteArray m_Block;
    QByteArray m_Out;
};

void putWord(QByteArray &out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

} // namespace

QByteArray gifCompress(const QVector<uint8_t> &indices)
{
    BitSink sink;
    int codeSize = kMinCodeSize + 1;
    sink.write(kClearCode, codeSize);
    if (indices.isEmpty()) {
        sink.write(kEndCode, codeSize);
        return sink.finish();
    }
    std::unordered_map<uint32_t, uint32_t> table; // (prefix code << 8 | byte) -> code
    uint32_t nextCode = kEndCode;                 // last code in use
    uint32_t current = indices[0];
    for (int i = 1; i < indices.size(); ++i) {
        const uint32_t byte = indices[i];
        const uint32_t key = current << 8 | byte;
        const auto found = table.find(key);
        if (found != table.end()) {
            current = found->second;
            continue;
        }
        sink.write(current, codeSize);
        table.emplace(key, ++nextCode);
        // The decoder widens its codes one entry later than it adds them, so widen when the
        // new code no longer fits.
        if (nextCode >= (1u << codeSize))
            ++codeSize;
        if (nextCode == kMaxCode) {
            sink.write(kClearCode, codeSize);
            table.clear();
            codeSize = kMinCodeSize + 1;
            nextCode = kEndCode;
        }
        current = byte;
    }
    sink.write(current, codeSize);
    sink.write(kEndCode, codeSize);
    return sink.finish();
}

QByteArray gifEncode(int width, int height, const QVector<QRgb> &palette, const QVector<GifFrame> &frames)
{
    QByteArray out("GIF89a");
    putWord(out, width);
    putWord(out, height);
    out.append(static_cast<char>(0xF7)); // global table of 256 entries, 8-bit colour resolution
    out.append('\0');                    // background colour index
    out.append('\0');                    // square pixels
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        out.append(static_cast<char>(qRed(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qBlue(c)));
    }
    // Loop for ever.
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
    putWord(out, 0);
    out.append('\0');
    for (const GifFrame &frame : frames) {
        // Graphic control: restore to background after the frame, index 0 transparent.
        out.append("\x21\xF9\x04\x09", 4);
        putWord(out, frame.delayCs);
        out.append('\0');
        out.append('\0');
        out.append(static_cast<char>(0x2C));
        putWord(out, 0);
        putWord(out, 0);
        putWord(out, width);
        putWord(out, height);
        out.append('\0'); // no local table, not interlaced
        out.append(static_cast<char>(kMinCodeSize));
        out.append(gifCompress(frame.indices));
    }
    out.append(static_cast<char>(0x3B));
    return out;
}
