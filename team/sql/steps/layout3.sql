-- Layout 3: read-out images arrive as bytes. Two programs both called their server layout 2 (one shared
-- grid assessments, the other stored images with lz4); layout 3 is both, whichever 2 a server came from.
ALTER TABLE terrovane.fields DROP CONSTRAINT IF EXISTS fields_kind_check;
ALTER TABLE terrovane.fields ADD CONSTRAINT fields_kind_check
    CHECK (kind IN ('site', 'point', 'label', 'note', 'assignment', 'limit', 'soil_model', 'fop_curve',
                    'grid_assessment'));

-- A first sync brings thousands of read-out images at once: lz4 stores them several times faster than
-- the default compression, where the server has it.
DO $$
BEGIN
    ALTER TABLE terrovane.content ALTER COLUMN body SET COMPRESSION lz4;
EXCEPTION WHEN feature_not_supported THEN
    NULL;
END
$$;
