#include "files/icu_library.hpp"

#include <dlfcn.h>

// ICU renames every routine after its version (ucnv_open is ucnv_open_72): the
// names below expand to the version built against before they become strings.
#define TOLVIN_STRING(x) #x
#define TOLVIN_EXPANDED_STRING(x) TOLVIN_STRING(x)
#define TOLVIN_ICU_SONAME(name) "lib" name ".so." TOLVIN_EXPANDED_STRING(U_ICU_VERSION_MAJOR_NUM)

namespace tolvin {

namespace {

template <typename Fn> bool find(void* library, const char* name, Fn& routine) {
    routine = reinterpret_cast<Fn>(dlsym(library, name));
    return routine != nullptr;
}

} // namespace

icu_library::~icu_library() {
    if (i18n_)
        dlclose(i18n_);
    if (common_)
        dlclose(common_);
}

const icu_functions* icu_library::functions() {
    if (tried_)
        return found_ ? &functions_ : nullptr;
    tried_ = true;
    common_ = dlopen(TOLVIN_ICU_SONAME("icuuc"), RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE);
    i18n_ = dlopen(TOLVIN_ICU_SONAME("icui18n"), RTLD_LAZY | RTLD_LOCAL | RTLD_NODELETE);
    if (!common_ || !i18n_)
        return nullptr;
#define TOLVIN_FIND(library, member, routine)                                                                \
    find(library, TOLVIN_EXPANDED_STRING(routine), functions_.member)
    found_ =
        TOLVIN_FIND(common_, open, ucnv_open) && TOLVIN_FIND(common_, close, ucnv_close) &&
        TOLVIN_FIND(common_, name, ucnv_getName) &&
        TOLVIN_FIND(common_, standard_name, ucnv_getStandardName) &&
        TOLVIN_FIND(common_, set_to_unicode_callback, ucnv_setToUCallBack) &&
        TOLVIN_FIND(common_, to_uchars, ucnv_toUChars) && TOLVIN_FIND(common_, to_unicode, ucnv_toUnicode) &&
        TOLVIN_FIND(common_, pending, ucnv_toUCountPending) && TOLVIN_FIND(common_, reset, ucnv_reset) &&
        TOLVIN_FIND(common_, stop_callback, UCNV_TO_U_CALLBACK_STOP) &&
        TOLVIN_FIND(common_, is_defined, u_isdefined) && TOLVIN_FIND(i18n_, detector_open, ucsdet_open) &&
        TOLVIN_FIND(i18n_, detector_close, ucsdet_close) &&
        TOLVIN_FIND(i18n_, detector_filter, ucsdet_enableInputFilter) &&
        TOLVIN_FIND(i18n_, detector_text, ucsdet_setText) &&
        TOLVIN_FIND(i18n_, detect_all, ucsdet_detectAll) && TOLVIN_FIND(i18n_, match_name, ucsdet_getName) &&
        TOLVIN_FIND(i18n_, match_confidence, ucsdet_getConfidence);
#undef TOLVIN_FIND
    return found_ ? &functions_ : nullptr;
}

} // namespace tolvin
