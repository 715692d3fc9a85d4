#pragma once
// The program's version, major.minor.revision, given by the build.
#ifndef VELMOR_VERSION
#define VELMOR_VERSION "0.0.0"
#endif
