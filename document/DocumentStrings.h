// String-table identifiers of the document's texts (graph/ResourceString.cpp holds the
// texts).
#pragma once

enum EDocumentString : unsigned
{
    IDS_COEFF_EXTENSION = 157,         // ".flt"
    IDS_COEFF_FILTER = 158,            // "Filter Files (*.flt) |*.flt||"
    IDS_COEFF_TITLE = 159,             // "H(Z) = B(Z)/A(Z) = ..."
    IDS_COEFF_B_HEADING = 160,         // "   b0                   b1                   b2"
    IDS_COEFF_A_HEADING = 161,         // "   a0                   a1                   a2"
    IDS_COEFF_LINE_COUNT = 166,        // rows and header lines inconsistent
    IDS_COEFF_B_HEADER = 167,          // b heading without b0
    IDS_COEFF_NOT_NUMERIC = 168,       // other characters in a row
    IDS_COEFF_TOO_FEW = 169,           // fewer than 2 coefficients
    IDS_COEFF_A_HEADER = 170,          // a heading without a0
    IDS_COEFF_A_COUNT_DIFFERS = 171,   // a row not as long as its b row
    IDS_COEFF_NO_RESPONSE = 172,       // a filter whose response is no finite number
    IDS_COEFF_NOT_A_NUMBER = 173,      // a coefficient that is not one finite number
    IDS_COEFF_A0_ZERO = 174,           // an a0 of 0, as read or as written
    IDS_PARAMETER_EXTENSION = 206,     // ".par"
    IDS_MASTER_PT_EXTENSION = 216,     // ".mpt"
    IDS_MASTER_PT_FILTER = 217,        // "Master Pt. Files (*.mpt) |*.mpt||"
    IDS_MASTER_PT_OPEN_NAME = 218,     // "*.mpt"
    IDS_LOWER_TOLERANCE_SECTION = 221, // "Lower Tolerance"
    IDS_DESIRED_SECTION = 262,         // "Desired Response"
    IDS_UPPER_TOLERANCE_SECTION = 271, // "Upper Tolerance"
    IDS_RAW_OPEN_EXTENSION = 5101,     // ".*"
    IDS_RAW_OPEN_FILTER = 5102,
    IDS_RAW_EXTENSION = 5103, // ".raw"
    IDS_RAW_SAVE_FILTER = 5104,
    IDS_RAW_TITLE = 5105,
    IDS_RAW_COLUMN_HEADER = 5106,
    IDS_MODIFIED_SUFFIX = 5107, // "Mod"
    IDS_EQ_EXTENSION = 5109,    // ".eq"
    IDS_PARAMETER_DEFAULT_NAME = 5110,
    IDS_MASTER_PT_DEFAULT_NAME = 5111,
    IDS_EQ_DEFAULT_NAME = 5112,
    IDS_RAW_NO_POINTS = 5113,
    IDS_RAW_BAD_ROW_2 = 5114,
    IDS_RAW_BAD_ROW_3 = 5115,
    IDS_SAVE_FAILED = 5117,
    IDS_RAW_CURVES_DIFFER = 5118,
    IDS_RAW_ONE_POINT = 5119,
    IDS_RAW_FREQUENCY_NOT_POSITIVE = 5120,
    IDS_RAW_FREQUENCY_NOT_INCREASING = 5121,
    IDS_RAW_FREQUENCY_OUT_OF_RANGE = 5122,
    IDS_RAW_LEVEL_OUT_OF_RANGE = 5123,
    IDS_DECIMAL_COMMA = 5124,           // a number of a row or point line with a decimal comma
    IDS_RAW_UNWRITABLE_POINT = 5126,    // a response point the reader would refuse
    IDS_MASTER_PT_BAD_LINE = 5127,      // a master point line that is no usable point
    IDS_MASTER_PT_UNWRITABLE = 5128,    // a grid point the reader would refuse
    IDS_MASTER_PT_SKIPPED_LINES = 5129, // the lines of an opened file that hold no point
    IDS_MASTER_PT_NO_SECTIONS = 5130,   // a file that names no section
    IDS_MASTER_PT_NO_SECTION = 5156,    // a point before any section name
    IDS_REPLACE_MEASUREMENT = 5160,     // the raw save would replace the file read
    IDS_DESIRED_PAGE = 5161,            // "Desired Response Pts."
    IDS_UPPER_PAGE = 5162,              // "Upper Tolerance Pts."
    IDS_LOWER_PAGE = 5163,              // "Lower Tolerance Pts."
    IDS_TOO_FEW_MASTER_POINTS = 5164,   // a master point grid cannot make a curve
    IDS_HALF_FILLED_POINT = 5165,       // a master point with one value or a bad frequency
    IDS_POINT_OUT_OF_RANGE = 5185,      // a master point of two numbers outside the bounds
    // A file a save was asked for, left unwritten because there was nothing to write.
    IDS_NOTHING_WRITTEN_TO = 5170,  // "Nothing was written to \"%s\": %s"
    IDS_NOTHING_WRITTEN_FOR = 5171, // the same for a file without a name, by its label
    IDS_OLDER_FILE_KEPT = 5172,     // one such file named
    IDS_OLDER_FILES_KEPT = 5173,    // several named
    IDS_NO_RAW_RESPONSE = 5174,     // why nothing was written: ...
    IDS_NO_DESIRED_CURVES = 5175,
    IDS_NO_ACTIVE_FILTER = 5176,
    IDS_GRIDS_HOLD_NO_FILTERS = 5177,
    IDS_NO_MODIFIED_CURVE = 5178,
    IDS_NO_MASTER_POINTS = 5179,
    IDS_NO_DEVICE_DATA = 5180,
    IDS_NO_DEVICE_DATA_HOLDER = 5181,
    IDS_NO_OTHER_DEVICE_DATA = 5182,
    IDS_OLDER_FILE_THERE = 5183,      // of the files named, one is there: %s, quoted
    IDS_OLDER_FILES_THERE = 5184,     // several are there, not all: %s, quoted
    IDS_CURVE_EXTENSION = 154,        // ".crv"
    IDS_LOG_SAMPLE_NO_MEMORY = 5190,  // the point count does not fit the memory
    IDS_CALCULATION_NO_MEMORY = 5191, // the response is too large to calculate on
    IDS_NEXT_FILTER_NO_MEMORY = 5192, // no memory for the curves of another filter
};
