// A dialog's view drawn with Dear ImGui, as the real window and snapshots show it.
#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/dialog_form.h"

struct SDL_Renderer;
struct SDL_Texture;

namespace morv {

// The textures of one view's pictures, made for one renderer and freed with it.
class DialogPictures {
public:
    explicit DialogPictures(SDL_Renderer* renderer) : renderer_(renderer) {}
    ~DialogPictures();
    DialogPictures(const DialogPictures&) = delete;
    DialogPictures& operator=(const DialogPictures&) = delete;

    // The picture of the control at `index` of the view, uploaded on first use.
    SDL_Texture* texture(size_t index, const RgbaPicture& picture);

private:
    SDL_Renderer* renderer_;
    std::map<size_t, SDL_Texture*> textures_;
};

// What the widgets hold between the model's answers: a slider being dragged, a
// number being typed.
struct DialogWidgetState {
    std::map<int, int> sliders;
    std::map<int, std::string> numbers;
};

// Draws the dialog centred on the display and adds what the player did to its
// controls to `events`.
void drawDialogView(const DialogView& view, DialogPictures& pictures, DialogWidgetState& state,
                    std::vector<ControlEvent>& events);

}  // namespace morv
