#include "platform/gfx/PixelBuffer.h"

#include <cstring>

namespace gfx {

PixelBuffer::PixelBuffer(int width, int height, PixelFormat format) : format_(format) { SetSize(width, height); }

PixelBuffer::PixelBuffer(const PixelBuffer& other)
    : width_(other.width_), height_(other.height_), format_(other.format_) {
  Allocate();
  if (data_) std::memcpy(data_.get(), other.data_.get(), static_cast<std::size_t>(Stride() * height_));
}

PixelBuffer& PixelBuffer::operator=(const PixelBuffer& other) {
  if (this != &other) {
    PixelBuffer copy(other);
    *this = std::move(copy);
  }
  return *this;
}

PixelView PixelBuffer::View() {
  PixelView v;
  v.bits = data_.get();
  v.width = width_;
  v.height = height_;
  v.stride = Stride();
  v.format = format_;
  return v;
}

void PixelBuffer::SetSize(int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (width == width_ && height == height_ && (data_ || width == 0 || height == 0)) return;
  width_ = width;
  height_ = height;
  Allocate();
}

void PixelBuffer::SetFormat(PixelFormat format) {
  if (format == format_) return;
  format_ = format;
  Allocate();
}

void PixelBuffer::Clear() {
  if (data_) std::memset(data_.get(), 0, static_cast<std::size_t>(Stride() * height_));
}

void PixelBuffer::Allocate() {
  if (width_ <= 0 || height_ <= 0) {
    data_.reset();
    return;
  }
  const std::size_t bytes = static_cast<std::size_t>(Stride()) * static_cast<std::size_t>(height_);
  data_.reset(new std::uint8_t[bytes]());
}

}  // namespace gfx
