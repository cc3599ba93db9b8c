// The other settings page of the settings sheet.
#pragma once
#include "dialogs/settings_page.h"

namespace morv {

// Image anti-aliasing, PNG alpha, the text history size and the images to preload.
class COtherPage final : public SettingsPage {
public:
    static constexpr int kAntialiasingCheck = 1001;
    static constexpr int kPngAlphaCheck = 1002;
    static constexpr int kHistoryField = 1006;
    static constexpr int kPreloadField = 1008;
    static constexpr int kHistoryMax = 100000;
    static constexpr int kPreloadMax = 20;

    using SettingsPage::SettingsPage;

    void open() override;
    void controls(std::vector<DialogControl>& out) const override;
    void handle(const ControlEvent& event) override;
    void accept() override;

    int historySize() const { return history_; }

private:
    bool antialiasing_ = false;
    bool pngAlpha_ = false;
    int history_ = 0;
    int preload_ = 0;
    // The restart question was answered OK for the field while the page is open.
    bool historyAgreed_ = false;
};

}  // namespace morv
