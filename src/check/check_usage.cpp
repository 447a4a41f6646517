#include "check/check_options.h"
#include "survey/design_points.h"

namespace check {
namespace {

// "x=,y=,z=,h=": the keys --tolerance takes.
std::string toleranceKeys() {
  std::string keys;
  for (const survey::Component& component : survey::pointComponents()) {
    keys += (keys.empty() ? "" : ",") + component.key + "=";
  }
  return keys;
}

}  // namespace

std::string checkUsage() {
  return "Usage: kestova check DESIGN SURVEY [options]\n"
         "Checks a whole survey against its design: pairs the surveyed points with the design\n"
         "points, takes survey minus design along each axis (world axes, or a drawing's UCS),\n"
         "tests the tolerances and prints a summary with statistics per component; writes the\n"
         "reports as CSV, PDF and Excel, and draws every pair into a drawing, when asked.\n"
         "\n"
         "DESIGN and SURVEY are point files: delimited text (.csv .txt .pnt; comma, semicolon,\n"
         "tab or blanks between fields; a header row naming the columns in English, German,\n"
         "French, Spanish or Dutch, X and Y taken as easting and northing, or the order given\n"
         "with --columns; UTF-8, UTF-16 or Windows-1252), Leica GSI-8 or GSI-16 (words 11,\n"
         "81, 82, 83, 71), or LandXML (CgPoints: name, then northing easting elevation).\n"
         "\n"
         "Options:\n"
         "  --match id|near:R      pair by point id (default), or each survey point with the\n"
         "                         nearest design point within R in world X and Y\n"
         "  --columns ORDER        the columns of both files: P point id, E (or X) easting,\n"
         "                         N (or Y) northing, Z height, D code; default PENZD for\n"
         "                         files without a header row; a header row is then skipped\n"
         "  --design-columns ORDER, --survey-columns ORDER\n"
         "                         the same for one file\n"
         "  --decimal-comma        numbers have a decimal comma (semicolon, tab or blank\n"
         "                         separated files)\n"
         "  --design-decimal-comma, --survey-decimal-comma\n"
         "                         the same for one file\n"
         "  --units m|ft|usft      the coordinates' unit in both files: metres (default), feet\n"
         "                         or US survey feet\n"
         "  --design-units U, --survey-units U\n"
         "                         the same for one file; the survey is converted to the\n"
         "                         design's unit\n"
         "  --codes STK,KERB       only the pairs and points whose design or survey code is\n"
         "                         listed (case ignored)\n"
         "  --exclude-codes CP     leave out the pairs and points whose design or survey code\n"
         "                         is listed\n"
         "  --design-crs CRS, --survey-crs CRS\n"
         "                         the files' coordinate systems (EPSG:25832, EPSG:4979, a\n"
         "                         PROJ string), both or neither: the survey is transformed\n"
         "                         to the design's; heights that need a geoid model that is\n"
         "                         not installed are left out, with a warning\n"
         "  --ignore-case          ids match without regard to case\n"
         "  --survey-prefix P      take P off the start of survey ids before matching\n"
         "  --survey-suffix S      take S off the end of survey ids before matching\n"
         "  --repeats average|last several shots of one id (paired by id or by proximity):\n"
         "                         their mean (default) or the last\n"
         "  --skip-bad-lines       leave out lines that cannot be read, and list them\n"
         "  --tolerance " +
         toleranceKeys() +
         "\n"
         "                         largest deviation allowed per component, any of them, such\n"
         "                         as x=0.02,y=0.02,z=0.01,h=0.025 (h: horizontal distance)\n"
         "  --drawing FILE         measure along the current UCS of this drawing (.dxf)\n"
         "  --ucs NAME             measure along this named UCS of the drawing instead\n"
         "  --csv OUT.csv          write a row per pair and per unmatched point: id,design_x,\n"
         "                         design_y,design_z,survey_x,survey_y,survey_z,shots,dx,dy,dz,\n"
         "                         dh,status,failing,design_code,survey_code, and the spread of\n"
         "                         repeated shots: spread_dx,spread_dy,spread_dz,spread_dh\n"
         "  --pdf OUT.pdf          write the report for the site engineer (A4): the files,\n"
         "                         tolerances and statistics, a plan of every pair with its\n"
         "                         vector exaggerated, a histogram per component, and the\n"
         "                         points outside tolerance or unmatched; needs no display\n"
         "  --xlsx OUT.xlsx        write the report as an Excel workbook: a sheet for the\n"
         "                         summary and statistics, one with a row per pair and one\n"
         "                         with the unmatched points; numbers as numbers with the\n"
         "                         check's decimals, ids and codes as text\n"
         "  --project TEXT, --client TEXT, --surveyor TEXT, --instrument TEXT,\n"
         "  --coordinate-system TEXT, --notes TEXT\n"
         "                         the job's fields, on the first page of the PDF and at the\n"
         "                         head of the workbook's summary (the coordinate system as\n"
         "                         text only: --design-crs transforms)\n"
         "  --all-pairs            list every pair in the PDF, not only those outside\n"
         "                         tolerance\n"
         "  --report-units mm|m|ft deviations in the PDF and the workbook in this unit (the\n"
         "                         CSV and the summary keep the point files' unit)\n"
         "  --dxf OUT.dxf          draw every pair into a copy of the --drawing (or a new\n"
         "                         drawing) saved as OUT.dxf, in the UCS measured along: the\n"
         "                         arrows and labels of the dialog's Insert, grouped 2 text\n"
         "                         heights up and right of the design point with a leader to\n"
         "                         it and the point id above; passing pairs on layer DEV-PASS\n"
         "                         (green), failing ones on DEV-FAIL (red), design points never\n"
         "                         surveyed circled on DEV-MISSING (magenta); a pair whose\n"
         "                         labels would overlap another's moves further out\n"
         "  --text-height H        height of the labels, and scale of the arrows (default 1)\n"
         "  --axes xyz             the deviations drawn, any of x, y and z (default xyz)\n"
         "  --z bubble|vector      Z as a signed value in a bubble (default) or an upright arrow\n"
         "  --decimals N           decimals of the numbers (default: the drawing's precision,\n"
         "                         else 3); tolerances are tested on the numbers as written\n"
         "  -h, --help             show this help and exit\n"
         "\n"
         "Exit status: 0 every pair within tolerance, 1 some pair outside tolerance or some\n"
         "point unmatched, 2 bad input or a report that cannot be written (a message on standard\n"
         "error, no report written). Warnings on standard error (the survey far from the\n"
         "design, a far better fit with easting and northing swapped or in other units, most\n"
         "of the survey unmatched) leave the exit status as it is.\n";
}

}  // namespace check
