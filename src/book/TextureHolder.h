#pragma once

#include <string>

#include "book/DecodedPhoto.h"

// One slot of the texture window: the texture of one photo file, with the path and photo index
// it was loaded for. The texture window works only through this interface, so that the device
// texture holder and test doubles plug in alike. User-interface thread only.
class TextureHolder {
 public:
  virtual ~TextureHolder() = default;

  // Does nothing and reports false when a texture is held already or path is empty. Otherwise
  // stores path and photoIndex and creates the texture; false when that failed, in which case
  // path and index stay stored and no texture is held.
  virtual bool Load(const std::u16string& path, int photoIndex) = 0;
  // The decoding Load would do for path, as a job for another thread; the settings it follows
  // are read now.
  virtual DecodeJob PrepareDecode(const std::u16string& path) const = 0;
  // Load with the decoding done already by a job of PrepareDecode: same rules and result, but
  // only the texture is created here.
  virtual bool LoadDecoded(const std::u16string& path, int photoIndex, DecodedPhoto photo) = 0;
  // Releases the texture only; path and index stay, so the holder can be loaded again.
  virtual void ReleaseTexture() = 0;
  // Empties the holder: no path, photo index -1, no texture.
  virtual void Clear() = 0;
  // Releases the own texture and takes over other's path, index, sizes and texture, sharing the
  // texture's reference; nothing is decoded. other is a holder of the same kind as this one.
  virtual void CopyFrom(const TextureHolder& other) = 0;

  virtual bool HasTexture() const = 0;
  // -1 when empty.
  virtual int PhotoIndex() const = 0;
  virtual const std::u16string& Path() const = 0;
};
