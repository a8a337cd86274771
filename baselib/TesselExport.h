#pragma once

// Marks the classes and functions that libtessel.so exports. The library is built with hidden
// visibility, so only what carries TESSEL_API is part of its binary interface.
#define TESSEL_API __attribute__((visibility("default")))
