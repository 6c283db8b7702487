#include "settings/SettingsField.h"

#include <array>

namespace {

using S = Settings;

const std::array<SettingsField, 28> kFields = {{
    {u"Window", &S::Window},
    {u"BGColour", &S::BGColour},
    {u"BGTexturePath", &S::BGTexturePath},
    {u"CoverColour", &S::CoverColour},
    {u"CoverTexturePath", &S::CoverTexturePath},
    {u"PaperTexturePath", &S::PaperTexturePath},
    {u"TPaperTexturePath", &S::TPaperTexturePath},
    {u"LightenPhotos", &S::LightenPhotos},
    {u"RenderShadows", &S::RenderShadows},
    {u"RenderTransparentPage", &S::RenderTransparentPage},
    {u"PaperColour", &S::PaperColour},
    {u"ShinyPaper", &S::ShinyPaper},
    {u"ShinyPhotos", &S::ShinyPhotos},
    {u"Quality", &S::Quality},
    {u"Locale", &S::Locale},
    {u"EffectPath", &S::EffectPath},
    {u"ExportWidth", &S::ExportWidth},
    {u"ExportHeight", &S::ExportHeight},
    {u"ExportPAR", &S::ExportPAR},
    {u"ExportFPS", &S::ExportFPS},
    {u"ExportMoviePath", &S::ExportMoviePath},
    {u"ExportType", &S::ExportType},
    {u"EncoderName", &S::EncoderName},
    {u"TimePage", &S::TimePage},
    {u"TimeZoom", &S::TimeZoom},
    {u"TimeView", &S::TimeView},
    {u"Sort", &S::Sort},
    {u"AntialiasingQuality", &S::AntialiasingQuality},
}};

const std::array<SettingsField, 1> kTrailingFields = {{
    {u"UseCameraOrientation", &S::UseCameraOrientation},
}};

}  // namespace

std::span<const SettingsField> SettingsField::All() { return kFields; }

std::span<const SettingsField> SettingsField::Trailing() { return kTrailingFields; }
