-- Layout 10: what still stayed on one PC. A typed result's visit is a thing of its own per result (kept by
-- its first version, which every correction shares), placed where the result is; photos and documents
-- attach to typed results too; and an attachment removed leaves a trace, so every PC of its site lets
-- it go as well.
ALTER TABLE terrovane.fields DROP CONSTRAINT IF EXISTS fields_kind_check;
ALTER TABLE terrovane.fields ADD CONSTRAINT fields_kind_check
    CHECK (kind IN ('site', 'point', 'label', 'note', 'assignment', 'limit', 'soil_model', 'fop_curve',
                    'grid_assessment', 'visit', 'typed_result', 'typed_traverse', 'typed_sounding',
                    'typed_visit'));
-- The versions of a typed result are found by the one they start from and the one they replace.
CREATE INDEX fields_typed_versions ON terrovane.fields (field, value) WHERE kind = 'typed_result';
-- A typed result's visit is found by the result when the result moves.
CREATE INDEX fields_typed_visits ON terrovane.fields (value) WHERE kind = 'typed_visit' AND field = 'typed';

ALTER TABLE terrovane.attachments DROP CONSTRAINT IF EXISTS attachments_owner_kind_check;
ALTER TABLE terrovane.attachments ADD CONSTRAINT attachments_owner_kind_check
    CHECK (owner_kind IN ('site', 'point', 'result', 'typed_result'));

-- An attachment removed: what it hung on and who added it, to place the trace as the attachment was.
CREATE TABLE terrovane.attachment_deletions (
    key text PRIMARY KEY,
    owner_kind text NOT NULL,
    owner_ref text NOT NULL,
    site uuid,
    added_by name NOT NULL,
    deleted_by name NOT NULL DEFAULT session_user,
    deleted_at timestamptz NOT NULL DEFAULT now()
);
CREATE INDEX attachment_deletions_site ON terrovane.attachment_deletions (site);

DO $$
BEGIN
    EXECUTE format('ALTER TABLE terrovane.attachment_deletions OWNER TO %I',
                   (SELECT value FROM terrovane.meta WHERE key = 'api_role'));
END
$$;
