#pragma once

namespace vesrin::art {

class ArtOutput;

// Each family of the program's pictures has one maker; the generator runs them all.
void MakeCards(ArtOutput& out);
void MakeTable(ArtOutput& out);
void MakeButtons(ArtOutput& out);
void MakeMenu(ArtOutput& out);
void MakeFlags(ArtOutput& out, const char* flagFolder);
void MakeCursors(ArtOutput& out);
void MakeWindowPictures(ArtOutput& out);
void MakeAnimations(ArtOutput& out);
void MakeCalendar(ArtOutput& out);

} // namespace vesrin::art
