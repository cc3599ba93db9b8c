// The settings sheet: five pages behind tabs, with OK, Cancel and Apply.
#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/settings_page.h"
#include "platform/dialog_form.h"

namespace morv {

class MessageBoxes;
struct GameConfig;

// The settings sheet "프로그램 설정". A page copies its values in when it first
// comes to the front; accepting (OK or Apply) writes back every page opened.
class CSetProperty final : public DialogForm {
public:
    enum Page { WindowPage = 0, TextPage, FontPage, SoundPage, OtherPage };
    static constexpr int kPages = 5;
    static constexpr int kOkButton = 1;
    static constexpr int kApplyButton = 12321;

    // `faces` are the font families the font page offers (CP949).
    CSetProperty(GameConfig& config, MessageBoxes& messages, SettingsTarget target, std::vector<std::string> faces,
                 Page front);
    ~CSetProperty() override;

    DialogView view() override;
    void handle(const ControlEvent& event) override;
    bool closed() const override { return closed_; }
    std::string resultText() const override { return accepted_ ? "ok" : "cancel"; }

    bool accepted() const { return accepted_; }
    int front() const { return front_; }
    SettingsPage& page(Page page) { return *pages_[page]; }
    bool applyEnabled() const;

private:
    void bringToFront(int page);
    void acceptOpened();

    std::array<std::unique_ptr<SettingsPage>, kPages> pages_;
    std::array<bool, kPages> opened_{};
    int front_ = 0;
    bool closed_ = false;
    bool accepted_ = false;
};

}  // namespace morv
