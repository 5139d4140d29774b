#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

#include "form_state.h"

class Announcer;
class PrimeList;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The program's only window. It shows the check's state in real controls and
// passes the load event and the button clicks to the check logic; every
// decision is made there.
class MainWindow : public QWidget, public euler::FormState {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    std::u32string inputText() const override;
    void setInputText(std::u32string_view text) override;
    std::u32string transcript() const override;
    void setTranscript(std::u32string_view text) override;
    std::int16_t entryCount() const override;
    std::u32string entry(std::int16_t index) const override;
    void setSelection(std::int16_t index) override;
    std::u32string decimalSeparator() const override;
    void announce(std::u32string_view text) override;

private slots:
    void checkClicked();
    void clearClicked();

private:
    void createControls();
    template <typename Event>
    void handle(Event event);

    // Controls keep the names and indexes under which the logic knows them.
    std::array<QPlainTextEdit*, 2> text1_{};
    QLineEdit* text2_ = nullptr;
    PrimeList* list1_ = nullptr;
    std::array<QPushButton*, 2> command1_{};
    std::array<QLabel*, 3> label1_{};
    std::u32string decimalSeparator_;
    Announcer* announcer_ = nullptr;
};
