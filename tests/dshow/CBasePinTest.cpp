#include <gtest/gtest.h>

#include "GraphRig.h"
#include "dshow/CBasePin.h"
#include "platform/com/TaskMemory.h"

namespace {

constexpr Guid kOther{0xABCD, 0, 0, {}};

AM_MEDIA_TYPE VideoType(const Guid& subtype) {
  AM_MEDIA_TYPE type;
  type.majortype = MEDIATYPE_Video;
  type.subtype = subtype;
  type.formattype = FORMAT_None;
  return type;
}

// The receiving pin's types come first, then the pin's own; only types the pin itself accepts
// are proposed, and the first the receiver accepts is kept.
TEST(CBasePinTest, ConnectTriesTheReceiversTypesThenItsOwn) {
  GraphRig rig;
  rig.source->stream->ownTypes = {MEDIASUBTYPE_Avi};
  rig.input->preferred = {VideoType(MEDIASUBTYPE_RGB32), VideoType(kOther)};
  rig.input->accepts = [](const AM_MEDIA_TYPE& type) { return type.subtype == MEDIASUBTYPE_Avi; };
  ASSERT_EQ(rig.Connect(), S_OK);
  EXPECT_EQ(rig.source->stream->checked,
            (std::vector<Guid>{MEDIASUBTYPE_RGB32, kOther, MEDIASUBTYPE_RGB24, MEDIASUBTYPE_Avi}));
  EXPECT_EQ(rig.input->proposed, (std::vector<Guid>{MEDIASUBTYPE_RGB24, MEDIASUBTYPE_Avi}));
  AM_MEDIA_TYPE agreed;
  ASSERT_EQ(rig.source->stream->ConnectionMediaType(&agreed), S_OK);
  EXPECT_EQ(agreed.subtype, MEDIASUBTYPE_Avi);
  FreeMediaType(agreed);

  ComPtr<IPin> peer;
  ASSERT_EQ(rig.source->stream->ConnectedTo(peer.Receive()), S_OK);
  EXPECT_EQ(peer.Get(), static_cast<IPin*>(rig.input));
  EXPECT_EQ(rig.Connect(), VFW_E_ALREADY_CONNECTED);
}

TEST(CBasePinTest, ACompleteTypeIsTheOnlyOneTried) {
  GraphRig rig;
  rig.source->stream->ownTypes = {MEDIASUBTYPE_Avi};
  rig.input->preferred = {VideoType(MEDIASUBTYPE_Avi)};
  rig.input->accepts = [](const AM_MEDIA_TYPE& type) { return type.subtype == MEDIASUBTYPE_Avi; };
  const AM_MEDIA_TYPE complete = VideoType(MEDIASUBTYPE_RGB24);
  EXPECT_EQ(rig.Connect(&complete), VFW_E_TYPE_NOT_ACCEPTED);
  EXPECT_EQ(rig.input->proposed, std::vector<Guid>{MEDIASUBTYPE_RGB24});
  EXPECT_FALSE(rig.source->stream->IsConnected());

  // A partial type picks among the candidates instead.
  AM_MEDIA_TYPE partial = VideoType(MEDIASUBTYPE_Avi);
  partial.formattype = GUID_NULL;
  rig.source->stream->checked.clear();
  ASSERT_EQ(rig.Connect(&partial), S_OK);
  EXPECT_EQ(rig.source->stream->checked, (std::vector<Guid>{MEDIASUBTYPE_Avi}));
}

TEST(CBasePinTest, NoCommonTypeLeavesBothPinsFree) {
  GraphRig rig;
  rig.input->accepts = [](const AM_MEDIA_TYPE&) { return false; };
  EXPECT_EQ(rig.Connect(), VFW_E_NO_ACCEPTABLE_TYPES);
  EXPECT_FALSE(rig.source->stream->IsConnected());
  AM_MEDIA_TYPE none;
  EXPECT_EQ(rig.source->stream->ConnectionMediaType(&none), VFW_E_NOT_CONNECTED);
  EXPECT_EQ(rig.source->stream->Disconnect(), S_FALSE);
}

TEST(CBasePinTest, ConnectionsChangeOnlyWhileStopped) {
  GraphRig rig;
  ASSERT_EQ(rig.Connect(), S_OK);
  rig.source->stream->fill = [](IMediaSample*, int) { return S_FALSE; };
  ASSERT_EQ(rig.graph->Run(), S_OK);
  EXPECT_EQ(rig.source->stream->Disconnect(), VFW_E_NOT_STOPPED);
  ASSERT_EQ(rig.graph->Stop(), S_OK);
  EXPECT_EQ(rig.source->stream->Disconnect(), S_OK);
  EXPECT_FALSE(rig.source->stream->IsConnected());
}

TEST(CBasePinTest, PinInfoNamesThePinAndReferencesTheFilter) {
  GraphRig rig;
  IPin* pin = rig.source->stream;
  PIN_INFO info;
  ASSERT_EQ(pin->QueryPinInfo(&info), S_OK);
  EXPECT_EQ(info.pFilter, static_cast<IBaseFilter*>(rig.source));
  EXPECT_EQ(std::u16string(info.achName), u"Test");
  EXPECT_EQ(info.dir, PINDIR_OUTPUT);
  info.pFilter->Release();
  char16_t* id = nullptr;
  ASSERT_EQ(pin->QueryId(&id), S_OK);
  EXPECT_EQ(std::u16string(id), u"Test");
  TaskMemFree(id);
  EXPECT_EQ(pin->QueryAccept(&rig.source->stream->type), S_OK);
  const AM_MEDIA_TYPE other = VideoType(kOther);
  EXPECT_EQ(pin->QueryAccept(&other), S_FALSE);
}

}  // namespace
