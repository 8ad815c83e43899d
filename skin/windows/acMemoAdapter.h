#pragma once
// The window adapter of a skinned memo: its frame from the section "EDIT" and its skinned
// scroll bars (a TacEditWnd over the memo's window), handed to the memo through the seam
// it asks (acEditAdapter). Registered with the rest of window skinning.
namespace skin {

// Registers the memo's adapter maker.
void RegisterMemoAdapter();

}  // namespace skin
