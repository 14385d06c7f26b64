// Writes the seed corpus: saved controls as streams and as bags in the byte
// form of fuzz_support.h. Run by hand when the stored format changes:
//   make_fuzz_seeds <corpus folder>   (writes <folder>/stream_loader and <folder>/bag_loader)
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>

#include "fuzz_support.h"

namespace brixel::fuzz {
namespace {

void Put(ByteBlock& out, std::uint64_t value, std::size_t bytes) {
    for (std::size_t i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutText(ByteBlock& out, std::u16string_view text) {
    const std::size_t units = std::min<std::size_t>(text.size(), 255);
    Put(out, units, 1);
    for (std::size_t i = 0; i < units; ++i) Put(out, text[i], 2);
}

ByteBlock BagToBytes(const MemoryPropertyBag& bag) {
    ByteBlock out;
    for (const auto& [key, value] : bag.Entries()) {
        Put(out, value.index(), 1);
        Put(out, key.size(), 1);
        out.insert(out.end(), key.begin(), key.end());
        std::visit(
            [&](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, bool>) Put(out, v ? 1 : 0, 1);
                if constexpr (std::is_same_v<T, std::int16_t>) Put(out, static_cast<std::uint16_t>(v), 2);
                if constexpr (std::is_same_v<T, std::int32_t>) Put(out, static_cast<std::uint32_t>(v), 4);
                if constexpr (std::is_same_v<T, std::u16string>) PutText(out, v);
                if constexpr (std::is_same_v<T, FontDesc>) {
                    PutText(out, v.face);
                    Put(out, static_cast<std::uint64_t>(v.size), 8);
                    Put(out, static_cast<std::uint16_t>(v.weight), 2);
                    Put(out, static_cast<std::uint16_t>(v.charset), 2);
                    Put(out, (v.italic ? 1 : 0) | (v.underline ? 2 : 0) | (v.strikethrough ? 4 : 0), 1);
                }
                if constexpr (std::is_same_v<T, SharedPicture>) {
                    const auto* p = dynamic_cast<const BytesPicture*>(v.get());
                    const std::size_t n = p != nullptr ? std::min<std::size_t>(p->Bytes().size(), 255) : 0;
                    Put(out, n, 1);
                    if (n != 0)
                        out.insert(out.end(), p->Bytes().begin(),
                                   p->Bytes().begin() + static_cast<std::ptrdiff_t>(n));
                }
                if constexpr (std::is_same_v<T, ByteBlock>) {
                    const std::size_t n = std::min<std::size_t>(v.size(), 0xFFFF);
                    Put(out, n, 2);
                    out.insert(out.end(), v.begin(), v.begin() + static_cast<std::ptrdiff_t>(n));
                }
            },
            value);
    }
    return out;
}

SharedPicture Picture(std::initializer_list<std::uint8_t> bytes) {
    return std::make_shared<BytesPicture>(ByteBlock(bytes));
}

void Dress(Control& c) {
    ButtonProperties& p = c.model.PropsForExchange();
    p.Caption = u"Save";
    p.Menu = true;
    p.MenuAutoDrop = true;
    p.Appearance = 1;
    p.CaptionMargins = u"2;3;4;5";
    p.Picture = Picture({1, 2, 3, 4});
    p.MouseInFont.face = u"Tahoma";
    p.MouseInFont.italic = true;
    p.GradientColor2 = 0x123456;
    c.model.SetSoundMemory(SoundSlotId::Click, SoundBlock{4, 0, 0, 0, 'R', 'I', 'F', 'F'});
    MenuTree& t = c.tree;
    t.AddItem(1, kTopLevel);
    t.AddItem(2, kTopLevel);
    t.SetCaption(1, u"File");
    t.SetPicture(1, Picture({9, 9}));
    t.AddItem(10, 1);
    t.AddItem(100, 10);
    t.AddItem(1000, 100);
    t.AddItem(10000, 1000);
    t.AddItem(20, 2);
    t.AddItem(200, 20);
    t.SetShortcut(200, u"Ctrl+S");
    t.SetHyperlink(10000, true);
    t.SetHyperlinkAddress(10000, u"mailto:a@b.invalid");
    t.SetEnabled(20, false);
}

void Write(const std::filesystem::path& file, const ByteBlock& bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace
}  // namespace brixel::fuzz

int main(int argc, char** argv) {
    using namespace brixel;
    using namespace brixel::fuzz;
    if (argc != 2) {
        std::cerr << "usage: make_fuzz_seeds <corpus folder>\n";
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    std::filesystem::create_directories(root / "stream_loader");
    std::filesystem::create_directories(root / "bag_loader");

    Control plain;
    Control dressed;
    Dress(dressed);
    Write(root / "stream_loader" / "new-control", plain.SaveStream());
    Write(root / "stream_loader" / "menu-and-pictures", dressed.SaveStream());
    Write(root / "bag_loader" / "new-control", BagToBytes(plain.SaveBag()));
    MemoryPropertyBag bag = dressed.SaveBag();
    Write(root / "bag_loader" / "menu-and-pictures", BagToBytes(bag));
    // The same control as an older version wrote it: three-number keys, no
    // owner counts and no auto-drop switch.
    MemoryPropertyBag old;
    const std::regex with_owner_id(R"((MenuItem\d+-\d+-\d+)-\d+(\D.*))");
    for (const auto& [key, value] : bag.Entries()) {
        if (key.rfind("MenuOwner", 0) != 0) old.Write(std::regex_replace(key, with_owner_id, "$1$2"), value);
    }
    bag = old;
    bag.Write("_Version", std::int32_t{0x00030001});
    bag.Erase("MenuAutoDrop");
    bag.Erase("MenuExchangeStyle");
    Write(root / "bag_loader" / "version-3-1", BagToBytes(bag));
    bag.Write("_Version", std::int32_t{0x00010000});
    bag.Erase("Appearance");
    Write(root / "bag_loader" / "version-1-0", BagToBytes(bag));
    return 0;
}
