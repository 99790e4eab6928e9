#pragma once

#include "DriverValue.h"

#include <span>

struct ModelProfile;

// The model parameters a program reads to learn what the connected model can do: each
// has a number, a description and a value (a flag or a number) taken from the profile.
struct ModelParam {
  int number;
  const char16_t* description;
  DriverValue (*value)(const ModelProfile& profile);
};

std::span<const ModelParam> modelParams();
const ModelParam* findModelParam(int number);
