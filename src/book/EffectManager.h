#pragma once

#include <string>

#include <glm/vec4.hpp>

#include "book/EffectDrawer.h"
#include "book/EffectSceneState.h"
#include "platform/gfx/EffectFile.h"
#include "platform/gfx/EffectParameters.h"

class GraphicsDevice;
class MessageSink;
class Texture;

// The effect applied to every photo: at most one loaded effect file, the values the application
// supplies to it each draw, and what happens when the user chooses a file or the device comes
// and goes. The effect path itself lives in the settings; the caller hands it in and stores what
// Choose leaves in it. The scene hands photo draws to it as their EffectDrawer. User-interface
// thread only.
class EffectManager : public EffectDrawer {
 public:
  // The values of the effect parameters for one photo draw. texture is the photo's texture (not
  // owned, may be nullptr), resolution is (image width, image height, 1, 0) of the photo file in
  // pixels, time is the effect time in seconds.
  static EffectParameters Parameters(const EffectSceneState& state, const Texture* texture, const glm::vec4& resolution,
                                     float time);

  // The user chose path: effectPath := path, the current effect is released and path loaded. A
  // file that does not compile or has no technique is reported through messages (error icon),
  // released again, and effectPath emptied; then the result is false, else true. A missing, empty or
  // unreadable file shows nothing and keeps its path (photos are drawn plainly).
  bool Choose(GraphicsDevice& device, const std::u16string& path, std::u16string& effectPath, MessageSink& messages);
  // Device created or reset: release, then load effectPath again (if not empty) without showing
  // errors; a broken file leaves the photos drawn without the effect.
  void Reload(GraphicsDevice& device, const std::u16string& effectPath);
  // Device lost or destroyed, or all settings reset.
  void Release() { file_.Release(); }

  // Draws params' photo mesh through the effect, plainly without one, with the parameters taken
  // from params (texture, textureResolution, effectTime and frameState; no frame state counts
  // as identity transforms with light and eye at the origin). False when the device refuses.
  bool DrawWithEffect(GraphicsDevice& device, const Mesh& mesh, const MeshDrawParams& params) override;

  const EffectFile& file() const { return file_; }

 private:
  EffectFile file_;
};
