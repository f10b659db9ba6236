// ICU's converters and charset detector, loaded when a list first needs them: lists in
// UTF-8 or UTF-16 are read without ICU, so the command line starts without loading it.
#pragma once

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/ucsdet.h>

namespace tolvin {

// The routines used, typed as ICU's own headers declare them.
struct icu_functions {
    decltype(&::ucnv_open) open;
    decltype(&::ucnv_close) close;
    decltype(&::ucnv_getName) name;
    decltype(&::ucnv_getStandardName) standard_name;
    decltype(&::ucnv_setToUCallBack) set_to_unicode_callback;
    decltype(&::ucnv_toUChars) to_uchars;
    decltype(&::ucnv_toUnicode) to_unicode;
    decltype(&::ucnv_toUCountPending) pending;
    decltype(&::ucnv_reset) reset;
    decltype(&::UCNV_TO_U_CALLBACK_STOP) stop_callback;
    decltype(&::u_isdefined) is_defined;
    decltype(&::ucsdet_open) detector_open;
    decltype(&::ucsdet_close) detector_close;
    decltype(&::ucsdet_enableInputFilter) detector_filter;
    decltype(&::ucsdet_setText) detector_text;
    decltype(&::ucsdet_detectAll) detect_all;
    decltype(&::ucsdet_getName) match_name;
    decltype(&::ucsdet_getConfidence) match_confidence;
};

// The ICU this program was built against, loaded on the first call of functions().
// The libraries stay loaded for the rest of the run, as they would had they been
// linked; where Qt has loaded them already, nothing is loaded twice.
class icu_library {
  public:
    icu_library() = default;
    ~icu_library();
    icu_library(const icu_library&) = delete;
    icu_library& operator=(const icu_library&) = delete;

    // ICU's routines, or null when ICU cannot be loaded.
    const icu_functions* functions();

  private:
    void* common_ = nullptr;
    void* i18n_ = nullptr;
    bool tried_ = false;
    bool found_ = false;
    icu_functions functions_{};
};

} // namespace tolvin
