-- Layout 7: the visits of a site. A visit is a thing of its own whose `site` field places it, as a point's
-- does; a result's visit is one more field of its assignment, which the site of its point places.
ALTER TABLE terrovane.fields DROP CONSTRAINT IF EXISTS fields_kind_check;
ALTER TABLE terrovane.fields ADD CONSTRAINT fields_kind_check
    CHECK (kind IN ('site', 'point', 'label', 'note', 'assignment', 'limit', 'soil_model', 'fop_curve',
                    'grid_assessment', 'visit'));
