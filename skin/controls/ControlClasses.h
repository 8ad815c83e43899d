#pragma once
// Registration of the skinned control classes with the framework, so that stored
// descriptions can name them. One function per group of controls.

namespace skin {

// TsPanel, TsImage, TsLabel, TsStickyLabel and their published sub-objects.
void RegisterPanelImageLabelClasses();

}  // namespace skin
