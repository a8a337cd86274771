// Feeds arbitrary bytes to every CFastInputStream read. The first byte of the input chooses the
// sequence of reads (each following byte picks one read), the rest is the stream's data, so the
// fuzzer explores mixed records, string counts that do not fit, and lines in any state.

#include "baselib/FastInputStream.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Touches every unit of a read text, so that a bad buffer shows up under AddressSanitizer.
unsigned Consume(const String& text)
{
    unsigned sum = 0;
    for (int i = 0; i <= text.GetLength(); ++i)
        sum += text[i];
    return sum;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    size_t programLength = data[0] % 32;
    if (programLength + 1 > size)
        programLength = size - 1;
    const uint8_t* program = data + 1;
    const uint8_t* bytes = data + 1 + programLength;
    int length = static_cast<int>(size - 1 - programLength);

    CFastInputStream in(bytes, length, programLength % 2);
    volatile unsigned sink = 0;
    // Runs the program, then keeps reading lines and records until the data is used up.
    for (size_t step = 0; step < programLength + 64 && !in.EndOfStream(); ++step) {
        uint8_t op = step < programLength ? program[step] : static_cast<uint8_t>(step);
        switch (op % 14) {
        case 0: sink = sink + in.ReadByte(); break;
        case 1: sink = sink + in.ReadBool(); break;
        case 2: sink = sink + static_cast<unsigned>(in.ReadBOOL()); break;
        case 3: sink = sink + in.ReadWord(); break;
        case 4: sink = sink + in.ReadChar(); break;
        case 5: sink = sink + static_cast<unsigned>(in.ReadInt()); break;
        case 6: sink = sink + static_cast<unsigned>(in.ReadDouble() != 0.0); break;
        case 7: sink = sink + Consume(in.ReadString()); break;
        case 8: {
            String out(u"previous");
            in.ReadString(out);
            sink = sink + Consume(out);
            break;
        }
        case 9: sink = sink + Consume(in.ReadString(static_cast<int>(op) - 128)); break;
        case 10: sink = sink + Consume(in.ReadLine()); break;
        case 11: {
            CFastInputStream copy(in);
            sink = sink + Consume(copy.ReadString());
            break;
        }
        case 12: sink = sink + static_cast<unsigned>(in.HasError() + in.GetNumAccess()); break;
        case 13:
            if (step < programLength)
                in.Rewind();
            break;
        }
        if (in.GetPosition() < 0 || in.GetPosition() > length)
            std::abort();  // the position never leaves the data
    }
    return 0;
}
