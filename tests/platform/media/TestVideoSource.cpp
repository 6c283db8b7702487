#include "TestVideoSource.h"

#include <algorithm>
#include <cstring>

#include "platform/media/MediaGuids.h"

TestVideoSource::TestVideoSource(int width, int height, REFERENCE_TIME frameTime)
    : output_(*this, u"Out"), height_(height), frameTime_(frameTime) {
  AddPin(&output_);
  VIDEOINFO format;
  format.header.AvgTimePerFrame = frameTime;
  format.header.bmiHeader.biWidth = width;
  format.header.bmiHeader.biHeight = height;
  format.header.bmiHeader.biBitCount = 24;
  format.header.bmiHeader.biSizeImage = static_cast<uint32_t>(((width * 3 + 3) & ~3) * height);
  offered_->majortype = MEDIATYPE_Video;
  offered_->subtype = MEDIASUBTYPE_RGB24;
  offered_->formattype = FORMAT_VideoInfo;
  offered_->bFixedSizeSamples = true;
  offered_->lSampleSize = format.header.bmiHeader.biSizeImage;
  offered_.SetFormat(&format, sizeof format);
}

HRESULT TestVideoSource::GetClassID(Guid* classId) {
  *classId = GUID_NULL;
  return S_OK;
}

HRESULT TestVideoSource::CheckMediaType(const FilterPin&, const AM_MEDIA_TYPE& type) {
  return MediaTypesEqual(type, offered_.get()) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
}

void TestVideoSource::GetMediaTypes(const FilterPin&, std::vector<MediaType>* types) { types->push_back(offered_); }

HRESULT TestVideoSource::DecideBufferSize(const OutputPin&, ALLOCATOR_PROPERTIES* properties) {
  properties->cBuffers = 1;
  properties->cbBuffer = std::max<int32_t>(properties->cbBuffer, static_cast<int32_t>(offered_->lSampleSize) + 10240);
  return S_OK;
}

size_t TestVideoSource::Stride() const { return offered_->lSampleSize / height_; }

HRESULT TestVideoSource::Push(const std::vector<uint8_t>& frame) {
  ComPtr<IMediaSample> sample;
  HRESULT hr = output_.GetDeliveryBuffer(sample.Receive());
  if (FAILED(hr)) return hr;
  uint8_t* buffer = nullptr;
  sample->GetPointer(&buffer);
  const size_t size = std::min<size_t>(frame.size(), offered_->lSampleSize);
  std::memcpy(buffer, frame.data(), size);
  sample->SetActualDataLength(static_cast<int32_t>(size));
  REFERENCE_TIME start = next_ * frameTime_;
  REFERENCE_TIME end = start + frameTime_;
  sample->SetTime(&start, &end);
  sample->SetSyncPoint(true);
  ++next_;
  return output_.Deliver(sample.Get());
}

HRESULT TestVideoSource::EndStream() {
  ended_ = true;
  return output_.DeliverEndOfStream();
}

HRESULT TestVideoSource::OnStop() {
  if (endOnStop && !ended_ && output_.IsConnected()) output_.DeliverEndOfStream();
  ended_ = false;
  return S_OK;
}
