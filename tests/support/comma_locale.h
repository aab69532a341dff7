#pragma once

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

}  // namespace tessaron::test
