// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <clocale>
#include <locale>
#include <string>

namespace tessaron::test {

// Numbers written "1.234,5", as in German: built here, so that a test needs
// no locale installed on the machine.
class CommaDecimals : public std::numpunct<char> {
  protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// The global C++ locale with comma decimals while it lives.
class GlobalCommaLocale {
  public:
    GlobalCommaLocale()
        : previous_(std::locale::global(std::locale(std::locale::classic(), new CommaDecimals))) {}
    ~GlobalCommaLocale() { std::locale::global(previous_); }
    GlobalCommaLocale(const GlobalCommaLocale&) = delete;
    GlobalCommaLocale& operator=(const GlobalCommaLocale&) = delete;

  private:
    std::locale previous_;
};

// The decimal-comma locale of the C library that scripts/install-deps
// generates: the C library takes its numbers' separator from installed locale
// data only.
inline constexpr const char* kCommaLocale = "de_DE.UTF-8";

// The C library's numbers with a decimal comma (LC_NUMERIC) while it lives,
// then the previous numeric locale back.
class CommaNumericLocale {
  public:
    CommaNumericLocale() : saved_(std::setlocale(LC_NUMERIC, nullptr)) {
        active_ = std::setlocale(LC_NUMERIC, kCommaLocale) != nullptr &&
                  std::localeconv()->decimal_point == std::string(",");
    }
    ~CommaNumericLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
    CommaNumericLocale(const CommaNumericLocale&) = delete;
    CommaNumericLocale& operator=(const CommaNumericLocale&) = delete;

    // False when the locale is not installed: run scripts/install-deps.
    bool active() const { return active_; }

  private:
    std::string saved_;
    bool active_ = false;
};

}  // namespace tessaron::test
