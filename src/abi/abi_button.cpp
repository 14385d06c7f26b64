// Version, status texts, the button's life, its environment and the
// effect lists.
#include "abi/abi_objects.h"

#include "abi/dotnet_surface.h"

namespace brixel::abi {
namespace {

const char* StatusText(brixel_status status) {
    switch (status) {
        case BRIXEL_OK: return "Success";
        case BRIXEL_END: return "No more entries";
        case BRIXEL_E_BAD_HANDLE: return "The handle is null, destroyed or not of this kind";
        case BRIXEL_E_NULL_ARGUMENT: return "A required pointer argument is null";
        case BRIXEL_E_BAD_SIZE: return "The structure's size field is too small";
        case BRIXEL_E_UNKNOWN_PROPERTY: return "No such property";
        case BRIXEL_E_WRONG_TYPE: return "The property has another type";
        case BRIXEL_E_READ_ONLY: return "The property is read-only";
        case BRIXEL_E_INVALID_ENUM: return "The value is not defined by the enumeration";
        case BRIXEL_E_INVALID_ARGUMENT: return "An argument is out of range";
        case BRIXEL_E_BUFFER_TOO_SMALL: return "The buffer is too small";
        case BRIXEL_E_FILE_NOT_FOUND: return "The specified file was not found";
        case BRIXEL_E_PATH_NOT_FOUND: return "The specified path was not found";
        case BRIXEL_E_FILE_ACCESS: return "File Access Error";
        case BRIXEL_E_REFUSED: return "The request was refused";
        case BRIXEL_E_UNSUPPORTED: return "Not supported by this build";
        case BRIXEL_E_NO_MEMORY: return "Out of memory";
        case BRIXEL_E_INTERNAL: return "Internal error";
        default: return "Unknown status code";
    }
}

const brixel_environment kDefaultEnvironment = BRIXEL_ENVIRONMENT_INIT;

}  // namespace
}  // namespace brixel::abi

using namespace brixel;
using namespace brixel::abi;

extern "C" {

uint32_t BRIXEL_CALL brixel_abi_version(void) { return BRIXEL_ABI_VERSION; }

const char* BRIXEL_CALL brixel_status_text(brixel_status status) { return StatusText(status); }

brixel_status BRIXEL_CALL brixel_button_create(const brixel_create_options* options, brixel_button** button) {
    return Guarded([&]() -> brixel_status {
        if (button == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        *button = nullptr;
        if (!SizeFits(options)) return options == nullptr ? BRIXEL_E_NULL_ARGUMENT : BRIXEL_E_BAD_SIZE;
        if (options->rules != BRIXEL_RULES_ACTIVEX && options->rules != BRIXEL_RULES_DOTNET)
            return BRIXEL_E_INVALID_ARGUMENT;
        if (options->environment != nullptr && !SizeFits(options->environment)) return BRIXEL_E_BAD_SIZE;
        auto b = std::make_unique<brixel_button>(options->rules);
        b->host.text = &b->text;
        b->host.SetEnvironment(options->environment != nullptr ? Widened(*options->environment, kDefaultEnvironment)
                                                               : kDefaultEnvironment);
        b->host.display_name = FromUtf16(options->display_name, options->display_name_length);
        b->instance = std::make_unique<ButtonInstance>(b->host);
        if (b->rules == BRIXEL_RULES_DOTNET) ApplyDotNetDefaults(*b);
        b->host.messages.clear();
        RegisterHandle(b.get(), HandleKind::Button);
        *button = b.release();
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_button_destroy(brixel_button* button) {
    return Guarded([&]() -> brixel_status {
        if (LiveButton(button) == nullptr) return BRIXEL_E_BAD_HANDLE;
        UnregisterHandle(button);
        delete button;
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_set_environment(brixel_button* button, const brixel_environment* environment) {
    return Guarded([&]() -> brixel_status {
        brixel_button* b = LiveButton(button);
        if (b == nullptr) return BRIXEL_E_BAD_HANDLE;
        if (environment == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        if (!SizeFits(environment)) return BRIXEL_E_BAD_SIZE;
        b->host.SetEnvironment(Widened(*environment, kDefaultEnvironment));
        ResolveSystemStyle(*b);
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_set_text_service(brixel_button* button, const brixel_text_service* service) {
    return Guarded([&]() -> brixel_status {
        brixel_button* b = LiveButton(button);
        if (b == nullptr) return BRIXEL_E_BAD_HANDLE;
        if (service != nullptr && !SizeFits(service)) return BRIXEL_E_BAD_SIZE;
        if (service != nullptr && (service->measure == nullptr || service->render == nullptr))
            return BRIXEL_E_NULL_ARGUMENT;
        b->text.SetCallbacks(service);
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_effects_next(brixel_effects* effects, brixel_effect* effect) {
    return Guarded([&]() -> brixel_status {
        if (!IsLiveHandle(effects, HandleKind::Effects)) return BRIXEL_E_BAD_HANDLE;
        if (effect == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        if (!SizeFits(effect)) return BRIXEL_E_BAD_SIZE;
        if (effects->next >= effects->items.size()) return BRIXEL_END;
        const brixel_effects::Entry& entry = effects->items[effects->next++];
        const Effect& e = entry.effect;
        const std::uint32_t size = effect->size;
        *effect = brixel_effect BRIXEL_EFFECT_INIT;
        effect->size = size;
        effect->kind = entry.kind;
        effect->code = e.code;
        effect->shift = e.shift;
        effect->x = e.point.x;
        effect->y = e.point.y;
        effect->flag = e.flag ? 1 : 0;
        effect->value = e.value;
        effect->window = e.window;
        effect->only_if_capture_lost = e.only_if_capture_lost ? 1 : 0;
        if (!e.text.empty()) {
            effect->text = reinterpret_cast<const std::uint16_t*>(e.text.data());
            effect->text_length = static_cast<std::int32_t>(e.text.size());
        }
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_effects_count(brixel_effects* effects, int32_t* count) {
    return Guarded([&]() -> brixel_status {
        if (!IsLiveHandle(effects, HandleKind::Effects)) return BRIXEL_E_BAD_HANDLE;
        if (count == nullptr) return BRIXEL_E_NULL_ARGUMENT;
        *count = static_cast<std::int32_t>(effects->items.size());
        return BRIXEL_OK;
    });
}

brixel_status BRIXEL_CALL brixel_effects_free(brixel_effects* effects) {
    return Guarded([&]() -> brixel_status {
        if (!IsLiveHandle(effects, HandleKind::Effects)) return BRIXEL_E_BAD_HANDLE;
        UnregisterHandle(effects);
        delete effects;
        return BRIXEL_OK;
    });
}

}  // extern "C"
