// Recording fakes of the property model's host and behaviour link.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/button_model.h"

namespace brixel::testing {

struct ShownMessage {
    std::u16string text;
    MessageBoxIcon icon;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class FakeFile final : public ReadableFile {
public:
    FakeFile(std::vector<std::uint8_t> bytes, std::uint64_t length, FileError read_error, int* reads)
        : bytes_(std::move(bytes)), length_(length), read_error_(read_error), reads_(reads) {}
    std::uint64_t Length() const override { return length_; }
    ReadResult Read(std::span<std::uint8_t> into) override {
        ++*reads_;
        if (read_error_ != FileError::None) return {0, read_error_};
        const std::size_t n = std::min(into.size(), bytes_.size() - offset_);
        std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset_), n, into.begin());
        offset_ += n;
        return {n, FileError::None};
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t offset_ = 0;
    std::uint64_t length_;
    FileError read_error_;
    int* reads_;
};

// What a path opens to. `length` may claim more than `bytes` holds (a file
// that shrinks while it is read).
struct FakeFileContent {
    FileError open_error = FileError::None;
    std::vector<std::uint8_t> bytes;
    std::optional<std::uint64_t> length;
    FileError read_error = FileError::None;
};

class FakeModelHost final : public ModelHost {
public:
    Rgb SystemColour(int index) const override {
        return index == kColourBtnFace ? Rgb{0xEC, 0xE9, 0xD8} : Rgb{1, 2, static_cast<std::uint8_t>(index)};
    }
    std::optional<bool> AmbientUserMode() const override { return user_mode; }
    std::u16string AmbientDisplayName() const override { return display_name; }
    std::optional<OleColor> AmbientBackColor() const override { return std::nullopt; }
    std::optional<bool> AmbientDisplayAsDefault() const override { return display_as_default; }
    void MarkModified() override { ++modified; }
    void NotifyPropertyChanged(std::int32_t dispid) override { notified.push_back(dispid); }
    void ShowMessage(std::u16string_view text, MessageBoxIcon icon) override {
        messages.push_back({std::u16string(text), icon});
    }
    void Repaint() override { ++repaints; }
    void RebuildRegion() override { ++regions; }
    void ReapplyControlSize() override { ++resizes; }
    void SetTooltip(std::u16string_view text, bool active) override {
        tooltip = std::u16string(text);
        tooltip_active = active;
    }
    void EnableWindow(bool enable) override { window_enabled.push_back(enable); }
    void RefreshTranslucency() override { ++translucency_refreshes; }
    void ApplyMenuReadingDirection() override { ++reading_direction; }
    int ClientHeight() const override { return client_height; }
    CaptionMetrics CaptionTextMetrics(const FontDesc&) const override { return metrics; }
    std::int16_t DetectDesktopXPScheme() const override { return desktop_scheme; }
    bool ParentIsWindowsForms() const override { return windows_forms; }
    OpenedFile OpenFile(std::u16string_view path) override {
        opened.emplace_back(path);
        const auto it = files.find(std::u16string(path));
        if (it == files.end()) return {FileError::NotFound, nullptr};
        const FakeFileContent& f = it->second;
        if (f.open_error != FileError::None) return {f.open_error, nullptr};
        return {FileError::None,
                std::make_unique<FakeFile>(f.bytes, f.length.value_or(f.bytes.size()), f.read_error, &reads)};
    }

    // Clears what was recorded, keeps the configuration.
    void ClearRecords() {
        modified = repaints = regions = resizes = translucency_refreshes = reading_direction = reads = 0;
        notified.clear();
        messages.clear();
        window_enabled.clear();
        opened.clear();
    }

    // Configuration.
    std::optional<bool> user_mode = false;
    std::optional<bool> display_as_default;
    std::u16string display_name = u"BrixelDemo1";
    int client_height = 25;
    CaptionMetrics metrics{13, 0};
    std::int16_t desktop_scheme = 0;
    bool windows_forms = false;
    std::map<std::u16string, FakeFileContent> files;

    // Records.
    int modified = 0;
    int repaints = 0;
    int regions = 0;
    int resizes = 0;
    int translucency_refreshes = 0;
    int reading_direction = 0;
    int reads = 0;
    std::vector<std::int32_t> notified;
    std::vector<ShownMessage> messages;
    std::vector<bool> window_enabled;
    std::vector<std::u16string> opened;
    std::u16string tooltip;
    bool tooltip_active = false;
};

class FakeBehavior final : public BehaviorLink {
public:
    InteractionState Interaction() const override { return state; }
    void ClearToggled() override {
        state.toggled = false;
        ++toggled_clears;
    }
    void ClearMenuOpen() override {
        state.menu_open = false;
        ++menu_open_clears;
    }
    void SetAutoDropArmed(bool armed) override { state.auto_drop_armed = armed; }
    bool Value() const override { return value; }
    void SetValue(bool v) override {
        value_writes.push_back(v);
        if (v) ++clicks;
    }
    void PerformClick() override { ++clicks; }

    InteractionState state;
    bool value = false;
    int clicks = 0;
    int toggled_clears = 0;
    int menu_open_clears = 0;
    std::vector<bool> value_writes;
};

class FakePicture final : public PictureObject {
public:
    explicit FakePicture(bool image) : image_(image) {}
    bool HasImage() const override { return image_; }

private:
    bool image_;
};

inline SharedPicture MakePicture(bool image = true) { return std::make_shared<FakePicture>(image); }

// A model with its fakes, in design mode unless a test says otherwise.
struct ModelFixture {
    FakeModelHost host;
    FakeBehavior behavior;
    ButtonModel model{host, behavior};

    PutResult Put(std::int32_t dispid, PropertyValue value) { return model.Put(dispid, std::move(value)); }
    const ButtonProperties& props() const { return model.Props(); }
};

}  // namespace brixel::testing
