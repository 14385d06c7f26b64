// What the property model needs from outside: the container, the window and
// the file system on one side (ModelHost), the interaction layer on the other
// (BehaviorLink). The ActiveX layer implements both; tests use recording fakes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/colour.h"
#include "core/property_record.h"
#include "core/shared_objects.h"

namespace brixel {

enum class MessageBoxIcon : std::uint8_t { None, Stop, Exclamation };

struct CaptionMetrics {
    int height = 0;
    int external_leading = 0;
};

// How a file operation failed, as the automation errors tell it apart.
enum class FileError : std::uint8_t { None, NotFound, PathNotFound, Other };

class ReadableFile {
public:
    virtual ~ReadableFile() = default;
    virtual std::uint64_t Length() const = 0;
    struct ReadResult {
        std::size_t count = 0;  // fewer than asked: the file ended early
        FileError error = FileError::None;
    };
    virtual ReadResult Read(std::span<std::uint8_t> into) = 0;
};

struct OpenedFile {
    FileError error = FileError::None;
    std::unique_ptr<ReadableFile> file;  // set exactly when error is None
};

// The questions the model asks of its surroundings, each answered on demand.
class ModelContext : public SystemColours {
public:
    // Ambient properties; nullopt when the container gives no answer.
    virtual std::optional<bool> AmbientUserMode() const = 0;
    virtual std::u16string AmbientDisplayName() const = 0;
    virtual std::optional<OleColor> AmbientBackColor() const = 0;
    virtual std::optional<bool> AmbientDisplayAsDefault() const = 0;

    virtual int ClientHeight() const = 0;
    virtual CaptionMetrics CaptionTextMetrics(const FontDesc& font) const = 0;
    virtual std::int16_t DetectDesktopXPScheme() const = 0;  // 0, 1 or 2
    virtual bool ParentIsWindowsForms() const = 0;

    virtual OpenedFile OpenFile(std::u16string_view path) = 0;
};

// The questions, and what the model does to its surroundings.
class ModelHost : public ModelContext {
public:
    // The common tail of a change.
    virtual void MarkModified() = 0;
    virtual void NotifyPropertyChanged(std::int32_t dispid) = 0;

    virtual void ShowMessage(std::u16string_view text, MessageBoxIcon icon) = 0;
    virtual void Repaint() = 0;  // an immediate redraw of the whole face
    virtual void RebuildRegion() = 0;
    virtual void ReapplyControlSize() = 0;  // the minimum size may have changed
    virtual void SetTooltip(std::u16string_view text, bool active) = 0;
    virtual void EnableWindow(bool enable) = 0;
    virtual void RefreshTranslucency() = 0;  // recapture the container and redraw
    virtual void ApplyMenuReadingDirection() = 0;
};

// The behaviour layer owns the interaction state; the model reads it and
// clears parts of it where a property change says so.
class BehaviorLink {
public:
    virtual ~BehaviorLink() = default;
    virtual InteractionState Interaction() const = 0;
    virtual void ClearToggled() = 0;
    virtual void ClearMenuOpen() = 0;
    virtual void SetAutoDropArmed(bool armed) = 0;
    virtual bool Value() const = 0;
    virtual void SetValue(bool value) = 0;  // TRUE performs the click
    virtual void PerformClick() = 0;
};

}  // namespace brixel
