#include <gtest/gtest.h>

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"

namespace {

class IShape : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x1111, 1, 1, {1, 2, 3, 4, 5, 6, 7, 8}};
  virtual int Corners() = 0;
};

class IColour : public IUnknown {
 public:
  static constexpr InterfaceId kIid{0x2222, 2, 2, {1, 2, 3, 4, 5, 6, 7, 8}};
  virtual int Red() = 0;
};

constexpr InterfaceId kUnknownIid{0x3333, 3, 3, {1, 2, 3, 4, 5, 6, 7, 8}};

// Declared by nobody's object list.
class IMissing : public IUnknown {
 public:
  static constexpr InterfaceId kIid = kUnknownIid;
};
constexpr InterfaceId kExtraIid{0x4444, 4, 4, {1, 2, 3, 4, 5, 6, 7, 8}};

// Reports its destruction, and answers one extra id beyond its two interfaces.
class Square : public ComObject<IShape, IColour> {
 public:
  explicit Square(bool* destroyed) : destroyed_(destroyed) {}
  ~Square() override { *destroyed_ = true; }
  int Corners() override { return 4; }
  int Red() override { return 200; }
  int extra = 7;

 protected:
  void* FindInterface(const InterfaceId& iid) override {
    if (iid == kExtraIid) return &extra;
    return ComObject::FindInterface(iid);
  }

 private:
  bool* destroyed_;
};

// The count after a balanced AddRef and Release: what the object holds now.
template <class T>
uint32_t CountOf(T* object) {
  object->AddRef();
  return object->Release();
}

TEST(ComObjectTest, QueryInterfaceHandsOutEachInterfaceWithAReference) {
  bool destroyed = false;
  ComPtr<Square> square = MakeCom<Square>(&destroyed);
  void* shape = nullptr;
  void* colour = nullptr;
  ASSERT_EQ(square->QueryInterface(IShape::kIid, &shape), S_OK);
  ASSERT_EQ(square->QueryInterface(IColour::kIid, &colour), S_OK);
  EXPECT_EQ(static_cast<IShape*>(shape)->Corners(), 4);
  EXPECT_EQ(static_cast<IColour*>(colour)->Red(), 200);
  EXPECT_EQ(CountOf(square.Get()), 3u);
  static_cast<IShape*>(shape)->Release();
  static_cast<IColour*>(colour)->Release();
  EXPECT_EQ(CountOf(square.Get()), 1u);
  EXPECT_FALSE(destroyed);
}

TEST(ComObjectTest, IUnknownIsTheSamePointerFromEveryInterface) {
  bool destroyed = false;
  ComPtr<Square> square = MakeCom<Square>(&destroyed);
  IShape* shape = square.Get();
  IColour* colour = square.Get();
  void* fromShape = nullptr;
  void* fromColour = nullptr;
  ASSERT_EQ(shape->QueryInterface(IID_IUnknown, &fromShape), S_OK);
  ASSERT_EQ(colour->QueryInterface(IID_IUnknown, &fromColour), S_OK);
  EXPECT_EQ(fromShape, fromColour);
  static_cast<IUnknown*>(fromShape)->Release();
  static_cast<IUnknown*>(fromColour)->Release();
}

TEST(ComObjectTest, UnknownIdFailsWithoutTouchingTheCount) {
  bool destroyed = false;
  ComPtr<Square> square = MakeCom<Square>(&destroyed);
  void* object = &destroyed;
  EXPECT_EQ(square->QueryInterface(kUnknownIid, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(square->QueryInterface(IShape::kIid, nullptr), E_POINTER);
  EXPECT_EQ(CountOf(square.Get()), 1u);
}

TEST(ComObjectTest, DerivedClassAnswersItsOwnIdsAndStillCounts) {
  bool destroyed = false;
  ComPtr<Square> square = MakeCom<Square>(&destroyed);
  void* object = nullptr;
  ASSERT_EQ(square->QueryInterface(kExtraIid, &object), S_OK);
  EXPECT_EQ(*static_cast<int*>(object), 7);
  EXPECT_EQ(CountOf(square.Get()), 2u);
  square->Release();
}

TEST(ComPtrTest, ReleasesWhenItLetsGoAndCopiesAddReferences) {
  bool destroyed = false;
  {
    ComPtr<Square> first = MakeCom<Square>(&destroyed);
    ComPtr<Square> copy = first;
    EXPECT_EQ(CountOf(first.Get()), 2u);
    ComPtr<Square> moved = std::move(copy);
    EXPECT_FALSE(copy);
    EXPECT_EQ(CountOf(first.Get()), 2u);
    first.Reset();
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(CountOf(moved.Get()), 1u);
  }
  EXPECT_TRUE(destroyed);
}

TEST(ComPtrTest, ReassignmentAndReceiveReleaseTheOldObject) {
  bool firstGone = false;
  bool secondGone = false;
  ComPtr<Square> held = MakeCom<Square>(&firstGone);
  held = MakeCom<Square>(&secondGone);
  EXPECT_TRUE(firstGone);
  Square** slot = held.Receive();
  EXPECT_TRUE(secondGone);
  EXPECT_EQ(*slot, nullptr);
}

TEST(ComPtrTest, SharingAddsAReferenceAndAdoptingOrDetachingDoesNot) {
  bool destroyed = false;
  Square* raw = new Square(&destroyed);
  raw->AddRef();
  {
    ComPtr<Square> shared(raw);
    EXPECT_EQ(CountOf(raw), 2u);
  }
  ComPtr<Square> adopted = ComPtr<Square>::Adopt(raw);
  EXPECT_EQ(CountOf(raw), 1u);
  EXPECT_EQ(adopted.Detach(), raw);
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(raw->Release(), 0u);
  EXPECT_TRUE(destroyed);
}

TEST(ComPtrTest, AsQueriesAnotherInterfaceAndIsEmptyOnFailure) {
  bool destroyed = false;
  ComPtr<Square> square = MakeCom<Square>(&destroyed);
  ComPtr<IColour> colour;
  ASSERT_EQ(square.As(colour), S_OK);
  EXPECT_EQ(colour->Red(), 200);
  EXPECT_EQ(CountOf(square.Get()), 2u);
  ComPtr<IMissing> missing;
  EXPECT_EQ(colour.As(missing), E_NOINTERFACE);
  EXPECT_FALSE(missing);
  ComPtr<Square> empty;
  EXPECT_EQ(empty.As(colour), E_POINTER);
  EXPECT_FALSE(colour) << "the colour held before is released";
  EXPECT_EQ(CountOf(square.Get()), 1u);
}

}  // namespace
