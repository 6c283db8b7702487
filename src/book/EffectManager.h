#pragma once

#include <string>

#include <glm/vec4.hpp>

#include "book/EffectSceneState.h"
#include "platform/gfx/EffectFile.h"
#include "platform/gfx/EffectParameters.h"

class GraphicsDevice;
class Mesh;
class Texture;

// The effect applied to every photo: at most one loaded effect file, the values the application
// supplies to it each draw, and what happens when the user chooses a file or the device comes
// and goes. The effect path itself lives in the settings; the caller hands it in and stores what
// Choose leaves in it. User-interface thread only.
class EffectManager {
 public:
  // The values of the effect parameters for one photo draw. texture is the photo's texture (not
  // owned, may be nullptr), resolution is (image width, image height, 1, 0) of the photo file in
  // pixels, time is the effect time in seconds.
  static EffectParameters Parameters(const EffectSceneState& state, const Texture* texture, const glm::vec4& resolution,
                                     float time);

  // The user chose path: effectPath := path, the current effect is released and path loaded.
  // Returns the error text to show (empty when there is none); after an error the effect is
  // released again and effectPath emptied.
  std::u16string Choose(GraphicsDevice& device, const std::u16string& path, std::u16string& effectPath);
  // Device created or reset: release, then load effectPath again (if not empty) without showing
  // errors; a broken file leaves the photos drawn without the effect.
  void Reload(GraphicsDevice& device, const std::u16string& effectPath);
  // Device lost or destroyed, or all settings reset.
  void Release() { file_.Release(); }

  // Draws a photo mesh through the effect (plainly without one). False when the device refuses.
  bool Draw(GraphicsDevice& device, const Mesh& mesh, const EffectSceneState& state, const Texture* texture,
            const glm::vec4& resolution, float time) const;

  const EffectFile& file() const { return file_; }

 private:
  EffectFile file_;
};
