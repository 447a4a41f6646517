#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "check/alignment_run.h"
#include "check/check_report.h"
#include "check/draw_settings.h"
#include "host/geom/frame.h"

namespace check {

// Writes the PDF report of a check to a file, whole or not at all; throws std::exception naming
// the file when it cannot. The program hands it in: drawing the report takes a toolkit.
using PdfReportWriter = std::function<void(const std::filesystem::path&, const CheckReport&)>;

// What `kestova check --dxf` draws: every pair into a copy of `drawing` (or a new drawing) in
// the UCS the check measured along, saved as `out`.
struct VectorDrawingJob {
  std::filesystem::path out;
  std::optional<std::filesystem::path> drawing;
  host::geom::Frame ucs;
  DrawSettings settings;
  bool proposeTextHeight = false;  // the settings' height gives way to one that suits the layout
};

// Draws and saves a VectorDrawingJob, whole or not at all; throws std::exception naming the file
// when it cannot. Returns what the saved file leaves out of the drawing, one kind per item ("1
// WIPEOUT"), as the drawing window names it before a save. The program hands it in: drawing
// takes the CAD host.
using VectorDrawingWriter =
    std::function<std::vector<std::string>(const VectorDrawingJob&, const CheckReport&)>;

struct SurfaceRun;

// Draws the shots of a surface check as a VectorDrawingWriter draws pairs.
using SurfaceDrawingWriter =
    std::function<std::vector<std::string>(const VectorDrawingJob&, const SurfaceRun&)>;

// Writes the PDF report of a surface check as a PdfReportWriter does a check's; `report` is the
// run's, with what the PDF adds for sign-off. The program hands it in.
using SurfacePdfWriter =
    std::function<void(const std::filesystem::path&, const SurfaceRun&, const CheckReport&)>;

// Draws and saves the shots of a check along an alignment as a VectorDrawingWriter does a
// check's pairs. The program hands it in.
using AlignmentDrawingWriter =
    std::function<std::vector<std::string>(const VectorDrawingJob&, const AlignmentRun&)>;

// Writes the PDF report of a check along an alignment as a PdfReportWriter does a check's;
// `report` is the run's, with what the PDF adds for sign-off. The program hands it in.
using AlignmentPdfWriter = std::function<void(const std::filesystem::path&, const AlignmentRun&,
                                              const CheckReport& report)>;

// `kestova check`, given the arguments after "check": reads the two point files, pairs them,
// compares each pair along the chosen frame, draws the pairs into a drawing and writes the CSV
// and PDF reports when asked and prints the summary on `out`; messages go to `err`, warnings
// too (a drawing file that ends early, what a drawing written leaves out). Returns the exit status:
// 0 every pair within tolerance, 1 some pair outside or some point unmatched, 2 bad input (nothing
// written).
int runCheckCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                    const PdfReportWriter& writePdf = {}, const VectorDrawingWriter& writeDxf = {},
                    const SurfaceDrawingWriter& writeSurfaceDxf = {},
                    const AlignmentDrawingWriter& writeAlignmentDxf = {},
                    const SurfacePdfWriter& writeSurfacePdf = {},
                    const AlignmentPdfWriter& writeAlignmentPdf = {});

}  // namespace check
