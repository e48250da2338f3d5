-- Pull: the change log after a member's cursor, only what that member may read, in commit order. A
-- change's current value is handed out, not the one logged: a row moved to a site the member may not read
-- is not shown, nor who changed it.

-- A page walks the log in its order from the cursor and looks each row up by its keys until the page is
-- full: the planner, which cannot tell how few rows a member may read, would otherwise hash the whole of
-- the fields for every page of a member who sees a tenth of them.
CREATE OR REPLACE FUNCTION terrovane.pull(client_layout integer, after_ord bigint, page_size integer)
RETURNS TABLE (ord bigint, source text, kind text, id text, field text, site uuid, value jsonb, stamp text,
               changed_by name)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
    SET enable_hashjoin = off SET enable_mergejoin = off SET enable_seqscan = off
AS $$
#variable_conflict use_column
DECLARE
    who name := session_user;
    member text;
    sites uuid[];
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    member := terrovane.member_role();
    sites := terrovane.sites_of(who);
    RETURN QUERY
    SELECT c.ord, c.source, c.kind, c.id, c.field,
           -- A read-out belongs to no site; the site a read-out's news is for tells the member's archive to
           -- fill in the slots that became theirs.
           CASE c.source WHEN 'field' THEN f.site
               WHEN 'content' THEN CASE WHEN k.kind = 'readout' THEN c.site ELSE k.site END ELSE x.site END,
           CASE c.source WHEN 'field' THEN f.value WHEN 'content' THEN NULL
               ELSE jsonb_build_object('id', x.id, 'kept_value', x.kept_value, 'kept_stamp', x.kept_stamp,
                                       'kept_by', x.kept_by, 'lost_value', x.lost_value,
                                       'lost_stamp', x.lost_stamp, 'lost_by', x.lost_by,
                                       'noted_at', x.noted_at, 'resolved', x.resolved_at IS NOT NULL) END,
           f.stamp::text, f.changed_by
    FROM terrovane.changes c
    -- The rules of as_uuid and may_read written out: a function with a path of its own is called row by
    -- row, never folded into the query, and a pull goes through every row of the log.
    LEFT JOIN terrovane.fields f
        ON c.source = 'field' AND f.kind = c.kind AND f.field = c.field
       AND f.id = CASE WHEN c.id ~* '^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$'
                       THEN c.id::uuid END
    LEFT JOIN terrovane.content k ON c.source = 'content' AND k.kind = c.kind AND k.key = c.id
    LEFT JOIN terrovane.conflicts x
        ON c.source = 'conflict' AND x.seq = CASE WHEN c.id ~ '^[0-9]{1,18}$' THEN c.id::bigint END
    WHERE c.ord > after_ord AND (c.for_login IS NULL OR c.for_login = who)
      -- A row logged for another site is passed over without a look at what it names: when a thing moves
      -- to a site (with what belongs to it), each of its rows is logged again for the new site, so the
      -- members of that site find it among their own rows.
      AND (member = 'admin' OR c.site IS NULL OR c.site = ANY (sites) OR c.for_login IS NOT NULL)
      AND CASE c.source
          WHEN 'field' THEN f.kind IS NOT NULL
                            AND (member = 'admin' OR f.site = ANY (sites) OR (f.site IS NULL AND f.changed_by = who))
          WHEN 'content' THEN k.kind IS NOT NULL AND CASE k.kind
              -- A read-out as it arrived (or caught up for a late member): to the admins, its sender, and
              -- those one of whose sites it is seen in (a result of it is assigned to a point there).
              WHEN 'readout' THEN CASE WHEN c.site IS NULL OR c.for_login IS NOT NULL THEN
                      member = 'admin' OR k.added_by = who
                      OR EXISTS (SELECT 1 FROM terrovane.readout_sites v
                                 WHERE v.readout = c.id AND v.site = ANY (sites))
                  -- A result of it assigned to a site later: news for the site's members, who may hold it
                  -- with that slot blank; the admins and its sender hold it whole.
                  ELSE member <> 'admin' AND k.added_by <> who AND c.site = ANY (sites)
                       AND EXISTS (SELECT 1 FROM terrovane.readout_sites v WHERE v.readout = c.id AND v.site = c.site)
                  END
              ELSE terrovane.may_read(member, sites, who, k.site, k.added_by) END
          ELSE x.seq IS NOT NULL AND (terrovane.may_read(member, sites, who, x.site, x.kept_by)
                                      OR terrovane.may_read(member, sites, who, x.site, x.lost_by)) END
    ORDER BY c.ord
    LIMIT least(greatest(page_size, 1), 5000);
END
$$;

-- A cursor of an archive that pulled before layout 4, as (transaction, number): the position in the
-- log of commit order it stands for.
CREATE OR REPLACE FUNCTION terrovane.cursor_after(old_xid xid8, old_seq bigint) RETURNS bigint
LANGUAGE sql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
    SELECT coalesce(max(c.ord), 0) FROM terrovane.changes c
    WHERE (c.xid, c.seq) <= (old_xid, old_seq)
      AND c.ord <= coalesce((SELECT m.value::bigint FROM terrovane.meta m WHERE m.key = 'old_cursors_until'), 0)
$$;

-- A read-out's image with every slot but the given ones blank, as an instrument's empty slot.
CREATE OR REPLACE FUNCTION terrovane.blanked_image(image_hex text, shown integer[]) RETURNS text
LANGUAGE sql IMMUTABLE SET search_path = pg_catalog, pg_temp
AS $$
    SELECT encode(string_agg(CASE WHEN s.slot = ANY (shown) THEN substring(i.image FROM s.slot * 72 + 1 FOR 72)
                                  ELSE decode(repeat('00', 72), 'hex') END, ''::bytea ORDER BY s.slot), 'hex')
    FROM (SELECT decode(image_hex, 'hex') AS image OFFSET 0) i
    CROSS JOIN generate_series(0, 99) AS s(slot)
$$;

-- The bodies of content the member may read, by key; at most 5000 keys, each a digest in hex.
CREATE OR REPLACE FUNCTION terrovane.bodies(client_layout integer, wanted text[])
RETURNS TABLE (kind text, key text, body jsonb)
LANGUAGE plpgsql STABLE SECURITY DEFINER SET search_path = pg_catalog, pg_temp
AS $$
#variable_conflict use_column
DECLARE
    who name := session_user;
    member text;
    sites uuid[];
BEGIN
    PERFORM terrovane.require_layout(client_layout);
    member := terrovane.member_role();
    sites := terrovane.sites_of(who);
    IF coalesce(cardinality(wanted), 0) > 5000 THEN
        RAISE EXCEPTION USING ERRCODE = '54000', MESSAGE = 'at most 5000 bodies at once';
    END IF;
    -- A read-out goes whole to its sender and the admins; to others with the slots of results assigned
    -- to their sites only (none such: not at all).
    RETURN QUERY
    WITH shown AS MATERIALIZED (
        SELECT s.readout, array_agg(DISTINCT d.slot::integer - 1) AS slots
        FROM terrovane.readout_slots s
        CROSS JOIN LATERAL pg_catalog.unnest(s.results) WITH ORDINALITY AS d(held, slot)
        JOIN terrovane.fields a ON a.kind = 'assignment' AND a.field = 'result'
                               AND a.value = pg_catalog.to_jsonb(encode(d.held, 'hex'))
        WHERE member <> 'admin' AND s.readout = ANY (wanted) AND d.held IS NOT NULL AND a.site = ANY (sites)
        GROUP BY s.readout)
    SELECT k.kind, k.key,
           CASE WHEN k.kind = 'readout' AND k.body ? 'image' AND member <> 'admin' AND k.added_by <> who
                THEN jsonb_set(k.body, '{image}', to_jsonb(terrovane.blanked_image(k.body->>'image', v.slots)))
                ELSE k.body END
    FROM terrovane.content k
    LEFT JOIN shown v ON k.kind = 'readout' AND v.readout = k.key
    WHERE k.key = ANY (wanted) AND terrovane.is_content_key(k.key)
      AND CASE k.kind WHEN 'readout' THEN member = 'admin' OR k.added_by = who OR v.readout IS NOT NULL
                      ELSE terrovane.may_read(member, sites, who, k.site, k.added_by) END;
END
$$;
