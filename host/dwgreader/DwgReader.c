/* velloria-dwg-reader: reads a DWG drawing from standard input with LibreDWG and writes it to
 * standard output as DXF, in the DWG's own version. The host runs it as a child of its own,
 * under limits of time and memory (platform/dxf/DwgFile.cpp), because a damaged drawing can
 * crash the library or make it loop; whatever happens here, the host only loses the load.
 *
 * Exit status: 0 done; 3 the drawing could not be decoded; 4 the DXF could not be written.
 * A failure is described in one line on standard error, which the host puts in its message;
 * after a success, lines "note: ..." there say what the DXF lacks, and the host passes them on. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <dwg.h>

#include "bits.h"
#include "classes.h"
#include "out_dxf.h"

/* Entities LibreDWG does not read (their classes are unknown to it or still in work) or reads but
 * does not write as DXF yet (its unstable classes) are left out of the DXF; the host says so, in
 * a line for tables (the entities the host is for) and one for the others, with their names. */
static const char *
class_name (const Dwg_Object *obj)
{
  if (obj->klass && obj->klass->dxfname)
    return obj->klass->dxfname;
  return obj->dxfname ? obj->dxfname : "?";
}

static void
note_left_out (const Dwg_Data *dwg)
{
  unsigned tables = 0, others = 0;
  char names[256] = "";
  BITCODE_BL i;
  for (i = 0; i < dwg->num_objects; i++)
    {
      const Dwg_Object *obj = &dwg->object[i];
      const char *name;
      if (obj->supertype != DWG_SUPERTYPE_ENTITY
          || (obj->fixedtype != DWG_TYPE_UNKNOWN_ENT && !is_type_unstable (obj->fixedtype)))
        continue;
      name = class_name (obj);
      if (strcmp (name, "ACAD_TABLE") == 0)
        {
          tables++;
          continue;
        }
      others++;
      if (!strstr (names, name) && strlen (names) + strlen (name) + 3 < sizeof names)
        {
          if (*names)
            strcat (names, ", ");
          strcat (names, name);
        }
    }
  if (tables)
    fprintf (stderr,
             "note: %u %s of this drawing %s left out: LibreDWG does not read DWG "
             "tables yet\n",
             tables, tables == 1 ? "table" : "tables", tables == 1 ? "is" : "are");
  if (others)
    fprintf (stderr,
             "note: %u other %s left out, of %s LibreDWG does not convert yet (%s)\n",
             others, others == 1 ? "entity is" : "entities are", others == 1 ? "a kind" : "kinds",
             names);
}

/* The critical errors, in the order they are named: one reason is enough for a message. */
static const char *
reason (int error)
{
  if (error & DWG_ERR_OUTOFMEM)
    return "the DWG reader ran out of memory";
  if (error & DWG_ERR_IOERROR)
    return "the DWG reader could not read the file";
  if (error & DWG_ERR_INVALIDDWG)
    return "it is not a valid DWG file";
  if (error & DWG_ERR_SECTIONNOTFOUND)
    return "the file is damaged: a section of it is missing";
  if (error & DWG_ERR_PAGENOTFOUND)
    return "the file is damaged: a page of it is missing";
  if (error & DWG_ERR_CLASSESNOTFOUND)
    return "the file is damaged: its classes are missing";
  if (error & DWG_ERR_INTERNALERROR)
    return "the DWG reader met an error inside itself";
  return "the DWG reader failed";
}

int
main (int argc, char **argv)
{
  Dwg_Data dwg;
  Bit_Chain dat;
  int error;

  (void)argv;
  if (argc != 1)
    {
      fputs ("velloria-dwg-reader takes no arguments: a DWG on standard input "
             "becomes DXF on standard output\n",
             stderr);
      return 2;
    }
  /* Large writes: the DXF of a big drawing is hundreds of megabytes, and every write to the
   * pipe wakes the host. (glibc ignores the size unless it is given the buffer.) */
  static char out_buffer[1 << 20];
  setvbuf (stdout, out_buffer, _IOFBF, sizeof out_buffer);

  memset (&dwg, 0, sizeof dwg);
  dwg.opts = 0; /* no log output */
  error = dwg_read_file ("-", &dwg);
  if (error >= DWG_ERR_CRITICAL)
    {
      fprintf (stderr, "%s (LibreDWG error 0x%x)\n", reason (error), error);
      return 3;
    }

  memset (&dat, 0, sizeof dat);
  dat.version = dwg.header.version;
  dat.from_version = dwg.header.from_version;
  dat.fh = stdout;
  /* 0, or 1 when a section could not be written (the DXF then breaks off): not an error
   * code of its own, which dwg2dxf takes for success. */
  if (dwg_write_dxf (&dat, &dwg) != 0)
    {
      fputs ("the file is damaged: LibreDWG could not write all of it as DXF\n", stderr);
      return 4;
    }
  if (fflush (stdout) != 0 || ferror (stdout))
    {
      fputs ("the DXF could not be written\n", stderr);
      return 4;
    }
  note_left_out (&dwg);
  /* The process ends here: freeing the drawing would only cost time. */
  return 0;
}
