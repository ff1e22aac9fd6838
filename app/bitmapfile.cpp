#include "app/bitmapfile.h"

#include "app/errorbox.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <bit>

namespace bitmapfile {

namespace {

[[noreturn]] void notValid()
{
    throw errorbox::Error(QStringLiteral("Bitmap image is not valid"));
}

[[noreturn]] void tooLarge(qint64 width, qint64 height)
{
    throw errorbox::Error(
        QStringLiteral("Bitmap image is too large (%1 x %2 pixels)").arg(width).arg(height));
}

enum Compression : quint32
{
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
    AlphaBitFields = 6
};

// Header sizes in bytes.
constexpr qint64 kFileHeader = 14;
constexpr quint32 kCoreHeader = 12; // the old OS/2 header
constexpr quint32 kInfoHeader = 40; // the Windows header that all later ones extend
constexpr quint32 kOs2Header = 64;  // OS/2 2.x, where compression 3 means Huffman coding
constexpr quint32 kLargestHeader = 124;
constexpr qint64 kMasksAt = kFileHeader + kInfoHeader;

// A file's bytes, each read only where it exists.
class Bytes
{
public:
    explicit Bytes(const QByteArray &bytes)
        : data_(reinterpret_cast<const uchar *>(bytes.constData())), size_(bytes.size())
    {
    }
    qint64 size() const { return size_; }
    bool has(qint64 offset, qint64 count) const
    {
        return offset >= 0 && count >= 0 && offset <= size_ && count <= size_ - offset;
    }
    // These read inside the bytes only: the callers check with has() first.
    uchar u8(qint64 at) const { return data_[at]; }
    quint16 u16(qint64 at) const { return qFromLittleEndian<quint16>(data_ + at); }
    quint32 u32(qint64 at) const { return qFromLittleEndian<quint32>(data_ + at); }
    qint32 i32(qint64 at) const { return qFromLittleEndian<qint32>(data_ + at); }

private:
    const uchar *data_;
    qint64 size_;
};

// One colour channel of a pixel stored in bit fields, scaled to 0..255.
class Channel
{
public:
    explicit Channel(quint32 mask)
        : mask_(mask), shift_(mask ? std::countr_zero(mask) : 0), max_(mask >> shift_)
    {
    }
    int operator()(quint32 pixel) const
    {
        if (max_ == 0)
            return 0;
        return int((quint64((pixel & mask_) >> shift_) * 255 + max_ / 2) / max_);
    }

private:
    quint32 mask_;
    int shift_;
    quint32 max_;
};

struct Header
{
    qint64 width = 0;
    qint64 height = 0; // rows, whichever way they are stored
    bool topDown = false;
    int bitsPerPixel = 0;
    quint32 compression = Rgb;
    std::array<quint32, 3> masks{}; // red, green, blue
    qint64 tableOffset = 0;
    int tableEntries = 0;
    int entrySize = 4; // bytes of one colour-table entry
    qint64 pixelOffset = 0;

    bool runLength() const { return compression == Rle8 || compression == Rle4; }
    // Bytes of one stored row, padded to four.
    qint64 stride() const { return (width * bitsPerPixel + 31) / 32 * 4; }
    // Bytes of pixel data: exactly, for rows stored as they are. Run-length codes take at
    // most two bytes for each pixel they write, two for each row end and two for the end, and
    // at least two for each run of up to 255 pixels and for each row end.
    qint64 mostPixelBytes() const
    {
        return runLength() ? 2 * width * height + 2 * height + 2 : stride() * height;
    }
    qint64 leastPixelBytes() const
    {
        return runLength() ? 2 * ((width + 254) / 255) * height + 2 * (height - 1)
                           : stride() * height;
    }
};

bool validDepth(const Header &header)
{
    const int bits = header.bitsPerPixel;
    switch (header.compression) {
    case Rgb:
        return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case Rle8:
        return bits == 8 && !header.topDown;
    case Rle4:
        return bits == 4 && !header.topDown;
    case BitFields:
    case AlphaBitFields:
        return bits == 16 || bits == 32;
    default:
        return false;
    }
}

Header readHeader(const Bytes &bytes, qint64 maxImageBytes)
{
    if (!bytes.has(0, kFileHeader + 4) || bytes.u8(0) != 'B' || bytes.u8(1) != 'M')
        notValid();
    Header header;
    header.pixelOffset = bytes.u32(10);
    const quint32 infoSize = bytes.u32(14);
    qint64 width = 0, height = 0;
    int planes = 0;
    quint32 colours = 0;
    if (infoSize == kCoreHeader && bytes.has(kFileHeader, kCoreHeader)) {
        width = bytes.u16(18);
        height = bytes.u16(20);
        planes = bytes.u16(22);
        header.bitsPerPixel = bytes.u16(24);
        header.entrySize = 3;
    } else if (infoSize >= kInfoHeader && infoSize <= kLargestHeader &&
               bytes.has(kFileHeader, kInfoHeader)) {
        width = bytes.i32(18);
        height = bytes.i32(22);
        planes = bytes.u16(26);
        header.bitsPerPixel = bytes.u16(28);
        header.compression = bytes.u32(30);
        colours = bytes.u32(46);
    } else {
        notValid();
    }
    if (width <= 0 || height == 0)
        notValid();
    // 64 bits hold any product of two 32-bit sizes without overflow; the division keeps
    // even that from being needed.
    header.width = width;
    header.topDown = height < 0;
    header.height = height < 0 ? -height : height;
    if (header.height > maxImageBytes / 4 / header.width)
        tooLarge(header.width, header.height);
    if (planes != 1 || !validDepth(header) ||
        (header.compression == BitFields && infoSize == kOs2Header))
        notValid();

    header.tableOffset = kFileHeader + infoSize;
    if (header.compression == BitFields || header.compression == AlphaBitFields) {
        // Inside the later headers, or right after the 40-byte one.
        if (!bytes.has(kMasksAt, 12))
            notValid();
        header.masks = {bytes.u32(kMasksAt), bytes.u32(kMasksAt + 4), bytes.u32(kMasksAt + 8)};
        if (infoSize == kInfoHeader)
            header.tableOffset += header.compression == AlphaBitFields ? 16 : 12;
    } else if (header.bitsPerPixel == 16) {
        header.masks = {0x7C00, 0x03E0, 0x001F};
    } else {
        header.masks = {0xFF0000, 0xFF00, 0xFF};
    }
    if (header.bitsPerPixel <= 8) {
        const quint32 entries = colours ? colours : 1u << header.bitsPerPixel;
        if (entries > 256)
            notValid();
        header.tableEntries = int(entries);
    }
    // Pixels that start inside the headers or the colour table are a damaged file.
    if (header.pixelOffset < header.tableOffset + qint64(header.tableEntries) * header.entrySize)
        notValid();
    return header;
}

using ColourTable = std::array<QRgb, 256>;

// Colours the table does not give are black.
ColourTable readColourTable(const Bytes &bytes, const Header &header)
{
    ColourTable table;
    table.fill(qRgb(0, 0, 0));
    if (!bytes.has(header.tableOffset, qint64(header.tableEntries) * header.entrySize))
        notValid();
    for (int i = 0; i < header.tableEntries; ++i) {
        const qint64 at = header.tableOffset + qint64(i) * header.entrySize;
        table[i] = qRgb(bytes.u8(at + 2), bytes.u8(at + 1), bytes.u8(at));
    }
    return table;
}

// decode() has made sure that every row is in the bytes.
void decodeRows(const Bytes &bytes, const Header &header, const ColourTable &table, QImage &image)
{
    const qint64 stride = header.stride();
    const Channel red(header.masks[0]), green(header.masks[1]), blue(header.masks[2]);
    const auto fields = [&](quint32 pixel) { return qRgb(red(pixel), green(pixel), blue(pixel)); };
    for (qint64 y = 0; y < header.height; ++y) {
        const qint64 row =
            header.pixelOffset + stride * (header.topDown ? y : header.height - 1 - y);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
        for (qint64 x = 0; x < header.width; ++x) {
            switch (header.bitsPerPixel) {
            case 1:
                out[x] = table[(bytes.u8(row + x / 8) >> (7 - x % 8)) & 1];
                break;
            case 4:
                out[x] = table[(bytes.u8(row + x / 2) >> (x % 2 ? 0 : 4)) & 0xF];
                break;
            case 8:
                out[x] = table[bytes.u8(row + x)];
                break;
            case 16:
                out[x] = fields(bytes.u16(row + 2 * x));
                break;
            case 24:
                out[x] = qRgb(bytes.u8(row + 3 * x + 2), bytes.u8(row + 3 * x + 1),
                              bytes.u8(row + 3 * x));
                break;
            default:
                out[x] = fields(bytes.u32(row + 4 * x));
                break;
            }
        }
    }
}

// Run-length codes must write every pixel once, row after row from the bottom: a row end
// before the row is full, a jump, a run past the row's end or the picture's, or codes that
// stop before the last pixel are a damaged file.
void decodeRunLength(const Bytes &bytes, const Header &header, const ColourTable &table,
                     QImage &image)
{
    const bool eightBits = header.compression == Rle8;
    const qint64 end = std::min(bytes.size(), header.pixelOffset + header.mostPixelBytes());
    qint64 at = header.pixelOffset;
    qint64 row = 0; // from the bottom
    qint64 x = 0;
    auto *line = reinterpret_cast<QRgb *>(image.scanLine(int(header.height - 1)));
    const auto put = [&](int index) {
        if (row >= header.height || x >= header.width)
            notValid();
        line[x++] = table[index];
    };
    // Pixel i of a run of 4-bit pixels packed two to a byte, high half first.
    const auto half = [](int byte, qint64 i) { return i % 2 == 0 ? byte >> 4 : byte & 0xF; };
    bool ended = false;
    while (!ended && at + 2 <= end) {
        const int count = bytes.u8(at);
        const int code = bytes.u8(at + 1);
        at += 2;
        if (count > 0) {
            for (qint64 i = 0; i < count; ++i)
                put(eightBits ? code : half(code, i));
            continue;
        }
        switch (code) {
        case 0: // end of row
            if (x != header.width)
                notValid();
            x = 0;
            if (++row < header.height)
                line = reinterpret_cast<QRgb *>(image.scanLine(int(header.height - 1 - row)));
            break;
        case 1: // end of picture
            ended = true;
            break;
        case 2: // a jump, which leaves the pixels it passes unwritten
            notValid();
        default: { // code pixels stored as they are, padded to two bytes
            const qint64 stored = eightBits ? code : (code + 1) / 2;
            if (at + stored > end)
                notValid();
            for (qint64 i = 0; i < code; ++i)
                put(eightBits ? bytes.u8(at + i) : half(bytes.u8(at + i / 2), i));
            at += (stored + 1) / 2 * 2;
        }
        }
    }
    const bool complete =
        (row == header.height && x == 0) || (row == header.height - 1 && x == header.width);
    if (!complete)
        notValid();
}

} // namespace

PixelSpan pixelSpan(const QByteArray &head, qint64 maxImageBytes)
{
    const Header header = readHeader(Bytes(head), maxImageBytes);
    return {header.pixelOffset, header.leastPixelBytes(), header.mostPixelBytes()};
}

QImage decode(const QByteArray &head, const QByteArray &pixels, qint64 maxImageBytes)
{
    const Bytes headBytes(head);
    const Header header = readHeader(headBytes, maxImageBytes);
    ColourTable table{};
    if (header.bitsPerPixel <= 8)
        table = readColourTable(headBytes, header);
    // Before the picture is made, which a header can make large.
    const Bytes pixelBytes(pixels);
    if (!pixelBytes.has(0, header.leastPixelBytes()))
        notValid();
    // The same header with its pixels counted from the first of the pixel bytes.
    Header fromPixels = header;
    fromPixels.pixelOffset = 0;
    // The size check keeps both sides within int.
    QImage image(int(header.width), int(header.height), QImage::Format_RGB32);
    if (image.isNull())
        tooLarge(header.width, header.height);
    if (header.runLength())
        decodeRunLength(pixelBytes, fromPixels, table, image);
    else
        decodeRows(pixelBytes, fromPixels, table, image);
    return image;
}

} // namespace bitmapfile
