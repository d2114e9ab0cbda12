#pragma once
// A list of images of one size, each with an optional mask of transparent
// pixels, drawn by index onto a canvas.

#include <memory>
#include <vector>

#include "platform/Exceptions.h"
#include "vcl/Bitmap.h"
#include "vcl/Component.h"

namespace qvn {

class TCanvas;

class TImageList : public TComponent {
    QVN_CLASS_INFO()
public:
    explicit TImageList(TComponent* owner, int width = 16, int height = 16);
    ~TImageList() override;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Changing the size clears the list (images of the old size no longer fit).
    void SetWidth(int width);
    void SetHeight(int height);
    int Count() const { return static_cast<int>(images_.size()); }

    // Adds the image, or several when it is a strip of images side by side
    // (its width a multiple of Width); returns the index of the first. A mask
    // pixel that is not black marks a transparent pixel. Raises
    // EInvalidGraphicOperation ("Invalid image size") for any other size.
    int Add(const TBitmap& image, const TBitmap* mask = nullptr);
    // As Add, with the pixels of maskColor transparent.
    int AddMasked(const TBitmap& image, TColor maskColor);
    // Raises EInvalidGraphicOperation ("Image list index out of bounds (N)") for a bad index.
    void Delete(int index);
    void Clear();

    // Draws image index at x, y leaving transparent pixels out; a bad index draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index) const;
    // Copies image index into bitmap (opaque); false for a bad index.
    bool GetBitmap(int index, TBitmap& bitmap) const;

private:
    struct Image {
        TBitmap pixels;
        std::vector<bool> transparent;  // per pixel, row by row; empty when fully opaque
    };
    template <typename IsTransparent>
    int AddStrip(const TBitmap& image, IsTransparent isTransparent);
    void SetSize(int width, int height);

    int width_;
    int height_;
    std::vector<std::unique_ptr<Image>> images_;
};

}  // namespace qvn
