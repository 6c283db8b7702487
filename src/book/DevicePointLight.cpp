#include "book/DevicePointLight.h"

PointLight DevicePointLight(const LightRecord& record) {
  PointLight light;
  light.position = record.position;
  light.direction = record.direction;
  light.diffuse = record.diffuse;
  light.specular = record.specular;
  light.ambient = record.ambient;
  light.range = record.range;
  light.falloff = record.falloff;
  light.attenuation0 = record.attenuation0;
  light.attenuation1 = record.attenuation1;
  light.attenuation2 = record.attenuation2;
  light.enabled = true;
  return light;
}
