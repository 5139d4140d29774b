#include "form_contents.h"

#include "conversions.h"

namespace euler {

namespace {

constexpr std::u32string_view kEntrySeparator = U", ";

constexpr std::u32string_view kTaskLinesBeforePrimes[] = {
    U"Ойлер забелязва, че функцията: N*(N+1)+41 дава прости числа за стойности на N [0..40].",
    U"Да се състави проект, чрез който се осъществява междупредметна връзка Математика и "
    U"Информатика.",
    U"Проектът да проверява твърдението на Ойлер за прости естествени числа от интервала "
    U"[0..30].",
    U"Да се използва индукция като метод за доказаване.",
    U"В списъчно поле предварително са въведени първите 168 прости числа (по-малки от 1000):",
};

constexpr std::u32string_view kTaskLinesAfterPrimes[] = {
    U"Потребителят въвежда, в текстово поле, естествено число от интервала N [0..30].",
    U"Да се използват два командни бутона:",
    U"а) Изчисли - за начало на проверката. Проектът да посочва кое число от списъчното поле, "
    U"отговаря на въведеното.",
    U"б) Изчисти - за начално състояние на проекта.",
    U"Проектът да съдържа вградена защита при въвеждане на естествени числа извън указания "
    U"интервал.",
};

constexpr std::u32string_view kQuotationLines[] = {
    U"Неприятното в това да си първият, направил нещо по ",
    U"правилния начин, е, че никой не оценява колко трудно е ",
    U"било. ",
};

template <typename Lines>
void AppendLines(std::u32string& text, const Lines& lines) {
    for (const auto& line : lines) {
        text += line;
        text += kLineBreak;
    }
}

}  // namespace

std::u32string ShownLines(std::u32string_view programText) {
    std::u32string shown;
    for (std::size_t i = 0; i < programText.size(); ++i) {
        if (programText.substr(i, kLineBreak.size()) == kLineBreak) {
            shown += U'\n';
            i += kLineBreak.size() - 1;
        } else {
            shown += programText[i];
        }
    }
    return shown;
}

std::u32string ProgramLines(std::u32string_view shownText) {
    std::u32string text;
    for (const char32_t c : shownText) {
        if (c == U'\n') {
            text += kLineBreak;
        } else {
            text += c;
        }
    }
    return text;
}

std::vector<std::u32string> PrimeEntries() {
    std::vector<std::u32string> entries;
    entries.reserve(kPrimes.size());
    for (const std::int16_t prime : kPrimes) {
        entries.push_back(DecimalText(prime));
    }
    return entries;
}

std::u32string TaskText() {
    std::u32string text;
    AppendLines(text, kTaskLinesBeforePrimes);
    std::u32string primeLine;
    for (const std::u32string& entry : PrimeEntries()) {
        if (!primeLine.empty()) {
            primeLine += kEntrySeparator;
        }
        primeLine += entry;
    }
    AppendLines(text, std::array{std::u32string_view{primeLine}});
    AppendLines(text, kTaskLinesAfterPrimes);
    return text;
}

std::u32string Quotation() {
    std::u32string text;
    AppendLines(text, kQuotationLines);
    return text;
}

}  // namespace euler
