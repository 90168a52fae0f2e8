#pragma once

// Registers the compiled-in pictures (":/pictures/...", ":/icons/...").
// Linking qirazo_resources already registers them before main(); calling this
// as well is harmless and keeps them if a linker ever drops the registration.
void initQirazoResources();
